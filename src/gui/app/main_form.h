#pragma once

#include "gui/shell/frame_manager.h"
#include "gui/shell/study_session.h"
#include "gui/search/search_navigator.h"
#include "core/quiz/question_set.h"

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QWidget;

namespace quillara::gui {

class TAboutBox;
class TAboutProgram;
class TBookSearchDialog;
class TStudyProgressDialog;
class THelpWindow;
class TLinkLabel;
class TMatchingQuizFrame1;
class TTestForm1;
class TTestFrame1;
class TViewAuthorsNotesFrame1;
class TViewGlossaryFrame1;
class TViewHost;
class TViewScoreFrame;
class TTGraphScoreFrame1;
class TViewTopicFrame1;
struct TMainViews;

// The program's only main window: the chapter chooser and heading, the menus and the links of
// the navigation panel, and a client area that shows the cover or one view at a time.
class TMainForm : public QMainWindow, public TSearchNavigator {
    Q_OBJECT
public:
    explicit TMainForm(TStudySession& session, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Once, before the window is first shown: cover, caption, chapter chooser.
    void SetUpBook();
    void SelectChapter(int chapter);
    int CurrentChapter() const { return Session.Chapter(); }
    // Switches the window to the book in the directory, ending a running attempt and saving
    // the scores first, as closing would. A book that cannot be opened is told of and leaves
    // the open one as it was; false then, or when the scores could not be saved.
    bool OpenBook(const std::filesystem::path& directory);

    bool CanLeaveViews();
    void HideViews();
    void ShowView(QWidget* view);
    void SwitchToView(QWidget* view);

    // Starts a quiz on the current chapter in the main window's runner.
    void GiveQuiz(const TKindSet& kinds, std::string_view description);
    // Asks for chapters and size, then starts a test in the test window.
    void GiveTest(const TKindSet& kinds, std::string_view description);
    struct TChosenChapters {
        TChapterSet Chapters;
        int Size = 0;
    };
    TChosenChapters AskChapters();
    // Asks again the questions missed in the last recorded quiz or test, in the runner that
    // asked them.
    void GiveRetake();
    // Asks the questions due for review by the end of the student's day, the most overdue
    // first; with none due, says when the next review is.
    void GiveReview();

    // The registered views, in registration order; none before a view is first asked for.
    const std::vector<TFrameManager>& Views() const;
    // Each view is made with the others the first time any of them is asked for.
    TViewTopicFrame1* TopicView();
    TViewGlossaryFrame1* GlossaryView();
    TViewAuthorsNotesFrame1* AuthorsNotesView();
    TTestFrame1* QuizRunner();
    TTestFrame1* TestRunner();
    TTestForm1* TestWindow();
    TMatchingQuizFrame1* MatchingQuiz();
    TViewScoreFrame* SavedScores();
    TTGraphScoreFrame1* ScoreGraph();
    TAboutBox* AboutBook();
    TAboutProgram* AboutProgramDialog();
    THelpWindow* Help();
    // Ends a running quiz or test, recording what was answered, and saves the scores: the way
    // out of the program, whichever way it is taken. False when the scores could not be saved.
    bool EndAttemptsAndSave();
    // A registered view that is not part of the program, for tests of the view switching.
    void RegisterView(const TFrameManager& view);

    void OpenSearchHit(const TBookSearchIndex& index, const TSearchHit& hit,
                       const QString& query) override;
    QWidget* SearchOwner() override { return this; }

    static constexpr int HelpContext = 10000;
    static constexpr int QuizHelpContext = 10003;
    static constexpr int TestHelpContext = 10007;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TMainViews& MainViews();
    void BuildMenus();
    void BuildNavigation(QWidget* panel);
    void BuildTextSizeItems(QMenu* view);
    void FormShow();
    // The menu items, links and views that show the open book.
    void ShowBook();
    void FitToBook();
    void ForgetViews();
    void ChooseBook();
    void ListRecentBooks();
    void ShowChapter(int chapter);
    // Offers the matching quiz where the chapter has terms to match.
    void ShowMatchingOffer();
    void ChapterChosen(int index);
    void ShowTopicCommand(std::int32_t topicId);
    void GraphChapterScores();
    void RememberMissed(TTestFrame1* runner);
    // After a restart, the missed questions of the attempt the study log recorded last.
    void RememberMissedFromLog();
    void ShowReviewCount();
    void ShowStudyProgress();
    void SaveScoresCommand();
    void SearchTheBook();
    void ShowHelpForActiveWindow();
    void ShowChapterHeading(int chapter);
    QSize HeadingRoom() const;
    QSize CoverRoom() const;
    QAction* AddAction(QMenu* menu, const QString& caption, const char* name);

    TStudySession& Session;
    bool Shown = false;
    std::set<std::string> ReportedPictures;

    QComboBox* ChapterChooser = nullptr;
    QLabel* ChapterHeading = nullptr;
    TViewHost* Host = nullptr;
    // The views, once MainViews() has made them.
    std::unique_ptr<TMainViews> Made;
    QMenu* FileMenu = nullptr;
    QAction* OpenBookItem = nullptr;
    std::vector<QAction*> RecentBookItems;
    QMenu* ViewMenu = nullptr;
    // The topics' items go before this separator.
    QAction* TopicsEnd = nullptr;
    QAction* GlossaryItem = nullptr;
    QAction* GlossarySeparator = nullptr;
    QAction* MatchingItem = nullptr;
    QAction* MatchingSeparator = nullptr;
    TLinkLabel* MatchingLink = nullptr;
    QAction* WordProblemsItem = nullptr;
    QAction* AuthorsNotesItem = nullptr;
    std::vector<QAction*> TopicItems;
    std::vector<TLinkLabel*> TopicLinks;
    TLinkLabel* WordProblemsLink = nullptr;
    QAction* RetakeItem = nullptr;
    TLinkLabel* RetakeLink = nullptr;
    QAction* ReviewItem = nullptr;
    TLinkLabel* ReviewLink = nullptr;
    // What the retake asks: the missed questions of the last recorded attempt and its runner.
    TTestFrame1* RetakeRunner = nullptr;
    std::vector<TQuestion> RetakeQuestions;
    std::string RetakeDescription;

    TAboutBox* AboutBox = nullptr;
    TAboutProgram* AboutProgram = nullptr;
    THelpWindow* HelpWindow = nullptr;
    TBookSearchDialog* BookSearch = nullptr;
    TStudyProgressDialog* Progress = nullptr;
};

} // namespace quillara::gui
