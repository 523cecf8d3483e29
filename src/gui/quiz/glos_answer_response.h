#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace quillara::gui {

// The matching quiz's verdict on each click: one sentence and OK. Created once and reused.
class TGlosAnswerResponse : public QDialog {
    Q_OBJECT

public:
    explicit TGlosAnswerResponse(QWidget* parent = nullptr);

    // Shows the message modally until OK (or the close box) dismisses it.
    void Execute(const QString& message);

private:
    QFrame* ResponsePanel;
    QLabel* Response;
    QPushButton* OKButton;
};

} // namespace quillara::gui
