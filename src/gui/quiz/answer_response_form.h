#pragma once

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quillara {
class TGlossary;
struct TQuestion;
} // namespace quillara

namespace quillara::gui {

// Answers every answer of a quiz or test: "Correct!", or for a wrong answer the question's
// explanation, its related glossary terms or a plain statement; a wrong Multiple Choice answer
// may be tried again. Created once and reused; each Execute sets every control afresh.
class TAnswerResponseForm : public QDialog {
    Q_OBJECT

public:
    explicit TAnswerResponseForm(QWidget* parent = nullptr);

    // The glossary the related terms are looked up in; none when the book has none.
    void SetGlossary(const TGlossary* glossary);
    // The same, from a source asked only when a related term is looked up.
    void SetGlossary(std::function<const TGlossary*()> source);
    // Shows the dialog modally over `owner`'s window and returns whether "Try Again" closed it.
    // The quiz and the test window share the dialog: owned by the window that asked, it stays
    // above that window, and the window manager returns the focus there. `reading` says how a
    // typed number that could be read two ways was read.
    bool Execute(QWidget* owner, const TQuestion& question, bool correct, bool mayTryAgain,
                 const QString& reading = {});
    bool TryAgainChosen() const { return FTryAgain; }

    // Shows the definition, page and chapter of the selected related term.
    void UpdateGlossaryDef();

private:
    void TryAgainButtonClick();
    void NextQuestionClick();
    // Fits the dialog to what this answer shows: the usual size unless the fonts need more.
    void FitToContents();

    std::function<const TGlossary*()> Glossary;
    bool FTryAgain = false;
    QFrame* Bevel;
    QLabel* Correct;
    QLabel* AnswerResponse;
    QLabel* Reading;
    QPlainTextEdit* QuestionExplanation;
    QListWidget* RelatedTerms;
    QLabel* RelatedPage;
    QLabel* RelatedChapter;
    QPlainTextEdit* RelatedDef;
    QPushButton* TryAgainButton;
    QPushButton* NextWithTryAgain;
    QPushButton* NextAlone;
};

} // namespace quillara::gui
