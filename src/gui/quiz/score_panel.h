#pragma once

#include <QLabel>

namespace quillara::gui {

// A panel whose caption tells how many answers of the current attempt were right. The owner
// sets both counts back to 0 when an attempt starts.
class TScorePanel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(int Correct READ Correct WRITE setCorrect)
    Q_PROPERTY(int Incorrect READ Incorrect WRITE setIncorrect)

public:
    explicit TScorePanel(QWidget* parent = nullptr);

    int Correct() const { return FCorrect; }
    int Incorrect() const { return FIncorrect; }
    void setCorrect(int value);
    void setIncorrect(int value);
    void anotherCorrect() { setCorrect(FCorrect + 1); }
    void anotherIncorrect() { setIncorrect(FIncorrect + 1); }

    // "You have answered 2 of 3 correctly", or "Nothing has been answered yet" for no answers.
    static QString CaptionFor(int correct, int incorrect);

private:
    void UpdateCaption();

    int FCorrect = 0;
    int FIncorrect = 0;
};

} // namespace quillara::gui
