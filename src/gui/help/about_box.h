#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace quillara::gui {

class TStudySession;

// About Book: the book's cover with its copyright under it. Created once and shown without
// blocking the main window; the cover is read from disk only until it has loaded once.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(const TStudySession& session, QWidget* parent = nullptr);

    void ShowAbout();
    bool PictureLoaded() const { return FPictureLoaded; }

public slots:
    void OKButtonClick();

private:
    void loadPicture();

    const TStudySession& Session;
    QFrame* ImagePanel;
    QLabel* Cover;
    QFrame* BottomPanel;
    QLabel* Copyright;
    QPushButton* OKButton;
    bool FPictureLoaded = false;
};

} // namespace quillara::gui
