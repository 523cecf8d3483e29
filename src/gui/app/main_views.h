#pragma once

class QWidget;

namespace quillara::gui {

class TStudySession;
class TAnswerResponseForm;
class TGlosAnswerResponse;
class TMatchingQuizFrame1;
class TSelectChapterForm;
class TTestForm1;
class TTestFrame1;
class TTGraphScoreFrame1;
class TViewAuthorsNotesFrame1;
class TViewGlossaryFrame1;
class TViewHost;
class TViewScoreFrame;
class TViewTopicFrame1;

// The views of the main window and the dialogs the quizzes share, made once, together, when the
// window first needs one of them. Placing a view in the client area and registering its roles
// happen here, so that a new view is a new class and a line in each of the two lists below.
struct TMainViews {
    TMainViews(TStudySession& session, TViewHost& host, QWidget* mainWindow);
    // The views and dialogs go with the book they showed.
    ~TMainViews();
    TMainViews(const TMainViews&) = delete;
    TMainViews& operator=(const TMainViews&) = delete;
    // Registers every view with the host in the program's fixed order.
    void Register(TViewHost& host) const;

    TAnswerResponseForm* Responses;
    TGlosAnswerResponse* GlossaryResponses;
    TSelectChapterForm* ChapterDialog;
    TTestForm1* TestForm;
    TTestFrame1* TestRunner;
    TTestFrame1* QuizRunner;
    TMatchingQuizFrame1* MatchingQuiz;
    TViewAuthorsNotesFrame1* Notes;
    TViewScoreFrame* Scores;
    TViewGlossaryFrame1* Glossary;
    TTGraphScoreFrame1* ScoreGraph;
    TViewTopicFrame1* Topic;
};

} // namespace quillara::gui
