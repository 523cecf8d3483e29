#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

namespace quillara::gui {

class TLinkLabel;

// About Program: name, version, credits, a link to the program's web page and a legal notice.
// Created once; the main window shows it without blocking.
class TAboutProgram : public QDialog {
    Q_OBJECT

public:
    explicit TAboutProgram(QWidget* parent = nullptr);

    // Fixed here, whatever the link's text says.
    static QUrl WebPage();
    // The program's icon, also fit for window icons.
    static QPixmap Icon();

public slots:
    void OKButtonClick();
    void WebPageClicked();

private:
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    QLabel* RightsLine;
    QLabel* ReservedLine;
    TLinkLabel* WebPageLink;
    QLabel* Warning;
    QPushButton* OKButton;
};

} // namespace quillara::gui
