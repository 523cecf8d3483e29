#include "gui/app/main_views.h"

#include "gui/shell/study_session.h"
#include "gui/reading/view_authors_notes_frame.h"
#include "gui/shell/view_host.h"
#include "gui/reading/view_topic_frame.h"
#include "gui/glossary/view_glossary_frame.h"
#include "gui/quiz/answer_response_form.h"
#include "gui/quiz/glos_answer_response.h"
#include "gui/quiz/matching_quiz_frame.h"
#include "gui/quiz/select_chapter_form.h"
#include "gui/quiz/test_window.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/scores/graph_score_frame.h"
#include "gui/scores/view_score_frame.h"

namespace quillara::gui {

TMainViews::TMainViews(TStudySession& session, TViewHost& host, QWidget* mainWindow)
    : Responses(new TAnswerResponseForm(mainWindow)),
      GlossaryResponses(new TGlosAnswerResponse(mainWindow)),
      ChapterDialog(new TSelectChapterForm(mainWindow)),
      TestForm(new TTestForm1(session, *Responses, mainWindow)), TestRunner(TestForm->Runner()),
      QuizRunner(new TTestFrame1(session, *Responses, &host)),
      MatchingQuiz(new TMatchingQuizFrame1(session, *GlossaryResponses, &host)),
      Notes(new TViewAuthorsNotesFrame1(session, &host)),
      Scores(new TViewScoreFrame(session.Regional(), &host)),
      Glossary(new TViewGlossaryFrame1(&host)),
      ScoreGraph(
          new TTGraphScoreFrame1([&session]() -> const TScoreHistory& { return session.Scores(); },
                                 session.Regional(), &host)),
      Topic(new TViewTopicFrame1(session, &host)) {
    // The session reads the glossary and the scores the first time a view needs them.
    Responses->SetGlossary([&session] { return session.Glossary(); });
    Glossary->SetGlossary([&session] { return session.Glossary(); });
    Scores->SetScoreList([&session] { return &session.Scores(); });
    // Scores another window saved show in a list on screen as they come in.
    QObject::connect(&session, &TStudySession::ScoresChanged, Scores, [list = Scores] {
        if (list->isVisible() && !list->ChartShown()) list->ShowScores();
    });
    for (QWidget* view : {static_cast<QWidget*>(QuizRunner), static_cast<QWidget*>(MatchingQuiz),
                          static_cast<QWidget*>(Notes), static_cast<QWidget*>(Scores),
                          static_cast<QWidget*>(Glossary), static_cast<QWidget*>(ScoreGraph),
                          static_cast<QWidget*>(Topic)})
        host.Place(view);
}

TMainViews::~TMainViews() {
    for (QWidget* made : std::initializer_list<QWidget*>{
             Responses, GlossaryResponses, ChapterDialog, TestForm, QuizRunner, MatchingQuiz, Notes,
             Scores, Glossary, ScoreGraph, Topic})
        delete made;
}

void TMainViews::Register(TViewHost& host) const {
    host.Register(TestRunner->Roles());
    host.Register(QuizRunner->Roles());
    host.Register(MatchingQuiz->Roles());
    host.Register(Notes->Roles());
    host.Register(Scores->Roles());
    host.Register(Glossary->Roles());
    host.Register(ScoreGraph->Roles());
    host.Register(Topic->Roles());
}

} // namespace quillara::gui
