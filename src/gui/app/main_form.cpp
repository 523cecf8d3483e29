#include "gui/app/main_form.h"

#include "core/review/review_set.h"
#include "gui/app/main_views.h"
#include "gui/app/open_book_dialog.h"
#include "gui/app/open_search_hit.h"
#include "gui/app/remembered.h"
#include "gui/glossary/view_glossary_frame.h"
#include "gui/help/about_box.h"
#include "gui/help/about_program.h"
#include "gui/help/help_window.h"
#include "gui/quiz/answer_response_form.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/quiz/matching_quiz_frame.h"
#include "gui/quiz/select_chapter_form.h"
#include "gui/quiz/test_window.h"
#include "gui/reading/view_authors_notes_frame.h"
#include "gui/reading/view_topic_frame.h"
#include "gui/scores/export_scores.h"
#include "gui/scores/graph_score_frame.h"
#include "gui/scores/study_progress_dialog.h"
#include "gui/scores/view_score_frame.h"
#include "gui/search/book_search_dialog.h"
#include "gui/shell/message_boxes.h"
#include "gui/shell/view_host.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_picture.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/link_label.h"
#include "gui/widgets/screen_fit.h"
#include "gui/widgets/text_size.h"
#include "gui/widgets/white_background.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace quillara::gui {

namespace {

const QColor HeadingRed(121, 52, 71);

const TKindSet WordProblemKinds = MakeByteSet({qkWordProblem});

// A quiz or test the menus and links offer, with the parameters of its attempt.
struct TAttemptCommand {
    const char* MenuCaption;
    const char* MenuName;
    const char* LinkCaption;
    const char* LinkName;
    const char* LinkDescription;
    TKindSet Kinds;
    const char* Description;
};

// In menu order; the word-problem quiz comes last and is never offered.
const std::vector<TAttemptCommand> QuizCommands = {
    {QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "&True False"), "QuizTrueFalseItem",
     QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "True False"), "TrueFalseLink",
     QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "Starts a True False quiz on this chapter"),
     MakeByteSet({qkTrueFalse}), "True False Quiz"},
    {QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "&Multiple Choice"), "QuizMultipleChoiceItem",
     QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "Multiple Choice"), "MultipleChoiceLink",
     QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "Starts a Multiple Choice quiz on this chapter"),
     MakeByteSet({qkMultipleChoice}), "Multiple Choice Quiz"},
    {QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "True &False / Multiple Choice"),
     "QuizMixedItem", QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "True False/Multiple Choice"),
     "MixedLink",
     QT_TRANSLATE_NOOP("quillara::gui::TMainForm",
                       "Starts a quiz of True False and Multiple Choice questions on this chapter"),
     MakeByteSet({qkMultipleChoice, qkTrueFalse}), "TF/MC Quiz"},
    {QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "&Word Problems"), "WordProblemsItem",
     QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "Word Problems"), "WordProblemsLink",
     QT_TRANSLATE_NOOP("quillara::gui::TMainForm",
                       "Starts a quiz of word problems on this chapter"),
     WordProblemKinds, "Word-Problem Quiz"},
};

const std::vector<TAttemptCommand> TestCommands = {
    {QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "&True False"), "TestTrueFalseItem", "", "", "",
     MakeByteSet({qkTrueFalse}), "True False Test"},
    {QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "&Multiple Choice"), "TestMultipleChoiceItem",
     "", "", "", MakeByteSet({qkMultipleChoice}), "Multiple Choice Test"},
    {QT_TRANSLATE_NOOP("quillara::gui::TMainForm", "True &False / Multiple Choice"),
     "TestMixedItem", "", "", "", MakeByteSet({qkMultipleChoice, qkTrueFalse}), "TF/MC Test"},
};

QLabel* Heading(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, OnBase(HeadingRed, palette));
    label->setPalette(palette);
    return label;
}

} // namespace

TMainForm::TMainForm(TStudySession& session, QWidget* parent)
    : QMainWindow(parent), Session(session) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quillara"));
    setProperty("HelpContext", HelpContext);
    setMinimumSize(520, 440);
    resize(520, 440);
    MakeWhite(this);

    auto* toolBar = addToolBar(tr("Studying Chapter"));
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    auto* band = new QLabel(tr("Studying Chapter: "), toolBar);
    band->setObjectName(QStringLiteral("StudyingChapterLabel"));
    toolBar->addWidget(band);
    ChapterChooser = new QComboBox(toolBar);
    ChapterChooser->setObjectName(QStringLiteral("ComboBox1"));
    NameControl(ChapterChooser, tr("Studying Chapter"));
    band->setBuddy(ChapterChooser);
    ChapterChooser->setEditable(false);
    ChapterChooser->setMaxVisibleItems(15);
    ChapterChooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    toolBar->addWidget(ChapterChooser);
    connect(ChapterChooser, &QComboBox::activated, this, &TMainForm::ChapterChosen);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("CentralWidget"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* headStrip = new QWidget(central);
    headStrip->setObjectName(QStringLiteral("ChapterHeadPanel"));
    MakeWhite(headStrip);
    auto* headLayout = new QVBoxLayout(headStrip);
    headLayout->setContentsMargins(0, 0, 0, 0);
    headLayout->setSpacing(0);
    ChapterHeading = new QLabel(headStrip);
    ChapterHeading->setObjectName(QStringLiteral("ChapterImage"));
    NameControl(ChapterHeading, tr("Chapter heading"));
    headLayout->addWidget(ChapterHeading, 0, Qt::AlignLeft);
    auto* line = new QFrame(headStrip);
    line->setObjectName(QStringLiteral("ChapterHeadLine"));
    line->setFixedHeight(1);
    FillBackground(line, Qt::black);
    headLayout->addWidget(line);
    column->addWidget(headStrip);

    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    auto* navigation = new QWidget(central);
    navigation->setObjectName(QStringLiteral("NavigationPanel"));
    MakeWhite(navigation);
    BuildNavigation(navigation);
    row->addWidget(navigation);

    Host = new TViewHost(central);
    row->addWidget(Host, 1);
    column->addLayout(row, 1);
    setCentralWidget(central);

    BuildMenus();

    connect(&Session, &TStudySession::Failed, this,
            [this](const QString& message) { TMessageBoxes::Error(this, message); });
    connect(&Session, &TStudySession::Told, this,
            [this](const QString& message) { TMessageBoxes::Information(this, message); });
    // The program does not go on with a book it cannot study, nor starts on it again next time.
    connect(&Session, &TStudySession::BookUnusable, this, [this] {
        ForgetBook(Session.Folder());
        QTimer::singleShot(0, this, &QWidget::close);
    });
    connect(&Session, &TStudySession::ChapterChanged, this, &TMainForm::ShowChapter);
    connect(&Session, &TStudySession::GlossaryRead, this, &TMainForm::ShowMatchingOffer);
    // Once the history is read, after the first window is drawn, the study log tells what is
    // due and what was missed before the program last ended.
    connect(&Session, &TStudySession::HistoryRead, this, [this] {
        RememberMissedFromLog();
        ShowReviewCount();
    });
    connect(&Session, &TStudySession::AnswerLogged, this, &TMainForm::ShowReviewCount);
}

TMainForm::~TMainForm() = default;

void TMainForm::RememberMissed(TTestFrame1* runner) {
    RetakeRunner = runner;
    RetakeQuestions = runner->Attempt()->MissedQuestions();
    RetakeDescription = runner->Attempt()->Description();
    RetakeItem->setEnabled(!RetakeQuestions.empty());
    RetakeLink->setEnabled(!RetakeQuestions.empty());
}

const std::vector<TFrameManager>& TMainForm::Views() const {
    return Host->Views();
}

// The first window shows none of the views and dialogs, so they are made, placed and registered
// the first time one of them is asked for rather than before that window is drawn. Until then
// every view is hidden, as after FormShow, and nothing is asked of them.
TMainViews& TMainForm::MainViews() {
    if (!Made) {
        Made = std::make_unique<TMainViews>(Session, *Host, this);
        Made->Register(*Host);
        for (TTestFrame1* runner : {Made->QuizRunner, Made->TestRunner}) {
            connect(runner, &TTestFrame1::AttemptRecorded, this,
                    [this, runner] { RememberMissed(runner); });
            connect(runner, &TTestFrame1::RetakeChosen, this, &TMainForm::GiveRetake);
        }
    }
    return *Made;
}

TViewTopicFrame1* TMainForm::TopicView() {
    return MainViews().Topic;
}
TViewGlossaryFrame1* TMainForm::GlossaryView() {
    return MainViews().Glossary;
}
TViewAuthorsNotesFrame1* TMainForm::AuthorsNotesView() {
    return MainViews().Notes;
}
TTestFrame1* TMainForm::QuizRunner() {
    return MainViews().QuizRunner;
}
TTestFrame1* TMainForm::TestRunner() {
    return MainViews().TestRunner;
}
TTestForm1* TMainForm::TestWindow() {
    return MainViews().TestForm;
}
TMatchingQuizFrame1* TMainForm::MatchingQuiz() {
    return MainViews().MatchingQuiz;
}
TViewScoreFrame* TMainForm::SavedScores() {
    return MainViews().Scores;
}
TTGraphScoreFrame1* TMainForm::ScoreGraph() {
    return MainViews().ScoreGraph;
}

// The dialogs and the help window are made the first time they are asked for, so that they cost
// nothing at start-up.
TAboutBox* TMainForm::AboutBook() {
    if (!AboutBox) AboutBox = new TAboutBox(Session, this);
    return AboutBox;
}

TAboutProgram* TMainForm::AboutProgramDialog() {
    if (!AboutProgram) AboutProgram = new TAboutProgram(this);
    return AboutProgram;
}

THelpWindow* TMainForm::Help() {
    if (!HelpWindow) {
        HelpWindow = new THelpWindow(this);
        HelpWindow->setWindowFlag(Qt::Window);
    }
    return HelpWindow;
}

QAction* TMainForm::AddAction(QMenu* menu, const QString& caption, const char* name) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void TMainForm::BuildMenus() {
    QMenu* file = FileMenu = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    OpenBookItem = AddAction(file, tr("&Open Book…"), "OpenBookItem");
    OpenBookItem->setShortcut(QKeySequence::Open);
    connect(OpenBookItem, &QAction::triggered, this, &TMainForm::ChooseBook);
    // The books used before follow, listed afresh each time the menu opens.
    connect(file, &QMenu::aboutToShow, this, &TMainForm::ListRecentBooks);
    file->addSeparator();
    QAction* save = AddAction(file, tr("&Save Scores"), "SaveScoresItem");
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &TMainForm::SaveScoresCommand);
    file->addSeparator();
    QAction* exit = AddAction(file, tr("E&xit"), "ExitItem");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    ViewMenu = menuBar()->addMenu(tr("&View"));
    ViewMenu->setObjectName(QStringLiteral("ViewMenu"));
    GlossaryItem = AddAction(ViewMenu, tr("&Glossary"), "GlossaryItem");
    connect(GlossaryItem, &QAction::triggered, this,
            [this] { SwitchToView(MainViews().Glossary); });
    GlossarySeparator = ViewMenu->addSeparator();
    TopicsEnd = ViewMenu->addSeparator();
    BuildTextSizeItems(ViewMenu);
    QAction* search = AddAction(ViewMenu, tr("&Search the Book…"), "SearchBookItem");
    search->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    connect(search, &QAction::triggered, this, &TMainForm::SearchTheBook);
    connect(AddAction(ViewMenu, tr("Study &Progress"), "StudyProgressItem"), &QAction::triggered,
            this, &TMainForm::ShowStudyProgress);

    QMenu* quiz = menuBar()->addMenu(tr("&Quiz"));
    quiz->setObjectName(QStringLiteral("QuizMenu"));
    for (const TAttemptCommand& command : QuizCommands) {
        QAction* item = AddAction(quiz, tr(command.MenuCaption), command.MenuName);
        connect(item, &QAction::triggered, this,
                [this, &command] { GiveQuiz(command.Kinds, command.Description); });
        if (command.Kinds == WordProblemKinds) WordProblemsItem = item;
    }
    WordProblemsItem->setVisible(false);
    MatchingSeparator = quiz->addSeparator();
    MatchingItem = AddAction(quiz, tr("&Glossary Matching"), "GlossaryMatchingItem");
    connect(MatchingItem, &QAction::triggered, this,
            [this] { SwitchToView(MainViews().MatchingQuiz); });
    quiz->addSeparator();
    RetakeItem = AddAction(quiz, tr("&Retake Missed Questions"), "RetakeItem");
    RetakeItem->setEnabled(false);
    connect(RetakeItem, &QAction::triggered, this, &TMainForm::GiveRetake);
    ReviewItem = AddAction(quiz, tr("Review &Due Questions"), "ReviewItem");
    ReviewItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(ReviewItem, &QAction::triggered, this, &TMainForm::GiveReview);

    QMenu* test = menuBar()->addMenu(tr("&Test"));
    test->setObjectName(QStringLiteral("TestMenu"));
    for (const TAttemptCommand& command : TestCommands)
        connect(AddAction(test, tr(command.MenuCaption), command.MenuName), &QAction::triggered,
                this, [this, &command] { GiveTest(command.Kinds, command.Description); });

    QMenu* scores = menuBar()->addMenu(tr("&Scores"));
    scores->setObjectName(QStringLiteral("ScoresMenu"));
    connect(AddAction(scores, tr("&View saved scores"), "ViewSavedScoresItem"), &QAction::triggered,
            this, [this] { SwitchToView(MainViews().Scores); });
    connect(AddAction(scores, tr("&Graph scores for selected chapter"), "GraphScoresItem"),
            &QAction::triggered, this, &TMainForm::GraphChapterScores);
    scores->addSeparator();
    connect(AddAction(scores, tr("&Export Scores…"), "ExportScoresItem"), &QAction::triggered, this,
            [this] { ExportScores(this, Session); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction* contents = AddAction(help, tr("&Contents"), "HelpContentsItem");
    connect(contents, &QAction::triggered, this, [this] { Help()->ShowContents(); });
    AuthorsNotesItem = AddAction(help, tr("Authors &Notes"), "AuthorsNotesItem");
    connect(AuthorsNotesItem, &QAction::triggered, this,
            [this] { SwitchToView(MainViews().Notes); });
    help->addSeparator();
    QAction* aboutBook = AddAction(help, tr("About &Book..."), "AboutBookItem");
    connect(aboutBook, &QAction::triggered, this, [this] { AboutBook()->ShowAbout(); });
    QAction* aboutProgram = AddAction(help, tr("About &Program..."), "AboutProgramItem");
    connect(aboutProgram, &QAction::triggered, this, [this] { AboutProgramDialog()->show(); });

    auto* contextHelp = new QAction(this);
    contextHelp->setObjectName(QStringLiteral("ContextHelpAction"));
    contextHelp->setShortcut(QKeySequence::HelpContents);
    contextHelp->setShortcutContext(Qt::ApplicationShortcut);
    connect(contextHelp, &QAction::triggered, this, &TMainForm::ShowHelpForActiveWindow);
    addAction(contextHelp);
}

// Ctrl+plus, Ctrl+minus and Ctrl+0 work in every window of the program, the test's included.
// The items stand between the chapter's topics and the search, which ends the menu.
void TMainForm::BuildTextSizeItems(QMenu* view) {
    TTextSize& size = TTextSize::Instance();
    QAction* larger = AddAction(view, tr("&Larger Text"), "LargerTextItem");
    larger->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(larger, &QAction::triggered, &size, &TTextSize::Larger);
    QAction* smaller = AddAction(view, tr("S&maller Text"), "SmallerTextItem");
    smaller->setShortcuts(QKeySequence::ZoomOut);
    connect(smaller, &QAction::triggered, &size, &TTextSize::Smaller);
    QAction* normal = AddAction(view, tr("&Normal Text Size"), "NormalTextSizeItem");
    normal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(normal, &QAction::triggered, &size, &TTextSize::Reset);
    for (QAction* action : {larger, smaller, normal})
        action->setShortcutContext(Qt::ApplicationShortcut);
    auto enable = [larger, smaller, normal](int percent) {
        larger->setEnabled(percent < TTextSize::Largest);
        smaller->setEnabled(percent > TTextSize::Smallest);
        normal->setEnabled(percent != TTextSize::Normal);
    };
    connect(&size, &TTextSize::Changed, this, enable);
    enable(size.Percent());
    view->addSeparator();
}

void TMainForm::BuildNavigation(QWidget* panel) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 8, 8, 8);
    // Links close together, as a list's lines are: the panel fits a 200% screen of 1280 x 1024.
    layout->setSpacing(4);
    auto link = [&](const QString& caption, const char* name, bool usable, const QString& whereTo) {
        auto* label = new TLinkLabel(caption, panel);
        label->setObjectName(QString::fromLatin1(name));
        label->setAccessibleDescription(whereTo);
        label->setEnabled(usable);
        layout->addWidget(label);
        return label;
    };

    layout->addWidget(Heading(tr("Quizzes"), "QuizzesHeading", panel));
    auto quizLink = [&](const TAttemptCommand& command) {
        TLinkLabel* label =
            link(tr(command.LinkCaption), command.LinkName, true, tr(command.LinkDescription));
        connect(label, &TLinkLabel::clicked, this,
                [this, &command] { GiveQuiz(command.Kinds, command.Description); });
        return label;
    };
    for (const TAttemptCommand& command : QuizCommands)
        if (command.Kinds != WordProblemKinds) quizLink(command);
    MatchingLink = link(tr("Glossary Matching"), "GlossaryMatchingLink", true,
                        tr("Starts a glossary matching quiz on this chapter"));
    connect(MatchingLink, &TLinkLabel::clicked, this,
            [this] { SwitchToView(MainViews().MatchingQuiz); });
    WordProblemsLink = quizLink(QuizCommands.back());
    WordProblemsLink->hide();
    RetakeLink = link(tr("Retake Missed Questions"), "RetakeLink", false,
                      tr("Asks again the questions you missed in your last quiz or test"));
    connect(RetakeLink, &TLinkLabel::clicked, this, &TMainForm::GiveRetake);
    ReviewLink =
        link(tr("Review"), "ReviewLink", true, tr("Asks again the questions due for review"));
    connect(ReviewLink, &TLinkLabel::clicked, this, &TMainForm::GiveReview);

    layout->addSpacing(10);
    layout->addWidget(Heading(tr("Chapter Topics"), "ChapterTopicsHeading", panel));
    for (int i = 1; i <= 3; ++i) {
        const std::string name = "TopicLink" + std::to_string(i);
        TLinkLabel* topicLink = link(QString::number(i), name.c_str(), true, QString());
        connect(topicLink, &TLinkLabel::clicked, this,
                [this, topicLink] { ShowTopicCommand(topicLink->property("TopicId").toInt()); });
        TopicLinks.push_back(topicLink);
    }

    layout->addSpacing(10);
    layout->addWidget(Heading(tr("Miscellaneous"), "MiscellaneousHeading", panel));
    connect(link(tr("Glossary"), "GlossaryLink", true, tr("Opens the glossary of the book")),
            &TLinkLabel::clicked, this, [this] { SwitchToView(MainViews().Glossary); });
    connect(link(tr("Graph scores for chapter"), "GraphScoresLink", true,
                 tr("Shows a graph of your scores on this chapter")),
            &TLinkLabel::clicked, this, &TMainForm::GraphChapterScores);
    connect(link(tr("View saved scores"), "ViewSavedScoresLink", true,
                 tr("Shows the scores of your quizzes and tests")),
            &TLinkLabel::clicked, this, [this] { SwitchToView(MainViews().Scores); });
    connect(link(tr("Read authors notes"), "AuthorsNotesLink", true,
                 tr("Shows the notes of the book's author")),
            &TLinkLabel::clicked, this, [this] { SwitchToView(MainViews().Notes); });
    layout->addStretch(1);
}

void TMainForm::SetUpBook() {
    const TBookProperties& book = Session.Book();
    try {
        const QImage cover = Session.Picture(CoverPictureFull, CoverRoom(), devicePixelRatioF());
        Host->Cover()->setPixmap(QPixmap::fromImage(cover));
        const QSize shown = cover.deviceIndependentSize().toSize();
        Host->Cover()->setMinimumSize(shown.width() + 10, shown.height() + 20);
    } catch (const std::exception& e) {
        // A book without its cover is still a book: say which file is missing and go on.
        Host->Cover()->clear();
        TMessageBoxes::Error(this, QString::fromStdString(e.what()));
    }
    // Qt takes a single "[*]" in a title for the mark of a modified document and drops it; a
    // doubled one shows as the book has it.
    setWindowTitle(tr("Quillara for %1")
                       .arg(FromBook(Session.Settings().SettingsSection)
                                .replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"))));
    ChapterChooser->clear();
    for (int n = 1; n <= std::min<int>(book.ChapterCount, 255); ++n)
        ChapterChooser->addItem(tr("Chapter %1 - %2").arg(n).arg(FromBook(book.ChapterName(n))));
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!Shown) {
        Shown = true;
        FormShow();
    }
}

void TMainForm::ShowBook() {
    const TBookProperties& book = Session.Book();
    for (QAction* item : TopicItems)
        delete item;
    TopicItems.clear();
    for (const TChapterTopic& topic : book.Topics) {
        // A topic's "&" is shown as it is, not taken for a mnemonic.
        auto* item =
            new QAction(FromBook(topic.Title).replace('&', QStringLiteral("&&")), ViewMenu);
        item->setObjectName(QStringLiteral("TopicItem%1").arg(topic.TopicId));
        item->setData(topic.TopicId);
        connect(item, &QAction::triggered, this,
                [this, id = topic.TopicId] { ShowTopicCommand(id); });
        ViewMenu->insertAction(TopicsEnd, item);
        TopicItems.push_back(item);
    }
    AuthorsNotesItem->setVisible(book.HasAuthorsNotes);
    GlossaryItem->setVisible(book.HasGlossary);
    GlossarySeparator->setVisible(book.HasGlossary);
    ViewMenu->menuAction()->setVisible(book.HasGlossary || !book.Topics.empty());
    SelectChapter(1);
}

void TMainForm::FormShow() {
    HideViews();
    ShowBook();
    FitToBook();
}

void TMainForm::FitToBook() {
    // Never smaller than 520 x 440, nor than the cover and the chapter heading need.
    const QSize smallest(520, 440);
    setMinimumSize(minimumSizeHint().expandedTo(smallest));
    if (isMaximized()) return;
    resize(size().expandedTo(sizeHint()).expandedTo(smallest));
    KeepOnScreen(this);
}

void TMainForm::RegisterView(const TFrameManager& view) {
    Host->Register(view);
}

bool TMainForm::CanLeaveViews() {
    return Host->CanLeaveViews();
}

void TMainForm::HideViews() {
    Host->HideViews();
}

void TMainForm::ShowView(QWidget* view) {
    Host->ShowView(view);
}

void TMainForm::SwitchToView(QWidget* view) {
    Host->SwitchToView(view);
}

void TMainForm::GiveQuiz(const TKindSet& kinds, std::string_view description) {
    if (!CanLeaveViews()) return;
    TTestFrame1* runner = MainViews().QuizRunner;
    runner->setProperty("HelpContext", QuizHelpContext);
    HideViews();
    TChapterSet chapter;
    chapter.set(static_cast<std::size_t>(Session.Chapter()));
    runner->SetupAttempt(kinds, description, 10, chapter, true);
    ShowView(runner);
}

void TMainForm::GiveTest(const TKindSet& kinds, std::string_view description) {
    if (!CanLeaveViews()) return;
    HideViews();
    const TChosenChapters chosen = AskChapters();
    // No chapter chosen is no test: an ended test left in the runner is not shown again.
    if (chosen.Chapters.none()) return;
    TTestFrame1* runner = MainViews().TestRunner;
    runner->SetupAttempt(kinds, description, chosen.Size, chosen.Chapters, false);
    runner->setProperty("HelpContext", TestHelpContext);
    ShowView(runner);
}

void TMainForm::GiveRetake() {
    if (RetakeQuestions.empty() || !CanLeaveViews()) return;
    // Missed before a restart: asked as a quiz.
    if (!RetakeRunner) RetakeRunner = MainViews().QuizRunner;
    HideViews();
    const bool isQuiz = RetakeRunner == MainViews().QuizRunner;
    RetakeRunner->setProperty("HelpContext", isQuiz ? QuizHelpContext : TestHelpContext);
    RetakeRunner->SetupRetake(RetakeQuestions, RetakeDescription, isQuiz);
    ShowView(RetakeRunner);
}

namespace {

// Reviews are due by the end of the student's day, so that a morning's review and an evening's
// ask the same.
std::int64_t EndOfToday() {
    return QDateTime(QDate::currentDate().addDays(1), QTime(0, 0)).toSecsSinceEpoch();
}

std::vector<TStudyItemKey> KeysOf(const std::vector<TStudyItem>& items) {
    std::vector<TStudyItemKey> keys;
    for (const TStudyItem& item : items)
        keys.push_back(item.Key);
    return keys;
}

} // namespace

void TMainForm::GiveReview() {
    if (!CanLeaveViews()) return;
    // Nothing answered yet is nothing to review: no log is made for asking.
    TStudyLog* log = Session.StudyLog(false);
    std::vector<TQuestion> questions;
    std::optional<std::int64_t> next;
    try {
        if (log) {
            questions = QuestionsOfItems(Session.BookDir(), KeysOf(log->DueBy(EndOfToday())),
                                         Session.Glossary());
            next = log->NextDueAfter(EndOfToday());
        }
    } catch (const std::exception& e) {
        TMessageBoxes::Error(this, QString::fromStdString(e.what()));
        return;
    }
    if (questions.empty()) {
        TMessageBoxes::Information(
            this, next ? tr("Nothing is due for review today. The next review is due "
                            "on %1.")
                             .arg(QLocale().toString(QDateTime::fromSecsSinceEpoch(*next).date(),
                                                     QLocale::LongFormat))
                       : tr("Nothing is due for review. The questions you answer in "
                            "quizzes and tests come back here when it is time to "
                            "review them."));
        return;
    }
    HideViews();
    TTestFrame1* runner = MainViews().QuizRunner;
    runner->setProperty("HelpContext", QuizHelpContext);
    runner->SetupReview(std::move(questions));
    ShowView(runner);
}

void TMainForm::ShowStudyProgress() {
    if (!Progress) Progress = new TStudyProgressDialog(Session, this);
    Progress->Fill();
    if (!Progress->isVisible()) PlaceOver(Progress, this);
    Progress->show();
    Progress->raise();
    Progress->activateWindow();
}

void TMainForm::ShowReviewCount() {
    TStudyLog* log = Session.StudyLog(false);
    int due = 0;
    try {
        if (log) due = static_cast<int>(log->DueBy(EndOfToday()).size());
    } catch (const std::exception&) {
        // The count is a hint; asking for the review tells what went wrong.
    }
    ReviewLink->setText(due > 0 ? tr("Review (%1 due)").arg(due) : tr("Review"));
}

void TMainForm::RememberMissedFromLog() {
    TStudyLog* log = Session.StudyLog(false);
    if (!log || !RetakeQuestions.empty()) return;
    try {
        const TStudyLog::TLastAttempt last = log->LastAttempt();
        RetakeQuestions = QuestionsOfItems(Session.BookDir(), last.Missed);
        RetakeDescription = last.Description;
    } catch (const std::exception&) {
        RetakeQuestions.clear();
    }
    RetakeRunner = nullptr;
    RetakeItem->setEnabled(!RetakeQuestions.empty());
    RetakeLink->setEnabled(!RetakeQuestions.empty());
}

TMainForm::TChosenChapters TMainForm::AskChapters() {
    TSelectChapterForm* dialog = MainViews().ChapterDialog;
    if (!dialog->ExecuteDialog(Session.Book())) return {};
    return {dialog->SelectedChapters(Session.Book().ChapterCount), dialog->TestSize()};
}

void TMainForm::SelectChapter(int chapter) {
    Session.SelectChapter(chapter);
}

void TMainForm::ShowChapter(int chapter) {
    const TBookProperties& book = Session.Book();
    {
        const QSignalBlocker quiet(ChapterChooser);
        ChapterChooser->setCurrentIndex(chapter - 1);
    }
    ShowChapterHeading(chapter);
    for (QAction* item : TopicItems)
        item->setVisible(book.TopicInChapter(chapter, item->data().toInt()));
    for (std::size_t i = 0; i < TopicLinks.size(); ++i) {
        TLinkLabel* link = TopicLinks[i];
        if (i >= book.Topics.size()) {
            // A book with fewer than three topics has no topic for this link.
            link->hide();
            continue;
        }
        const TChapterTopic& topic = book.Topics[i];
        link->setText(FromBook(topic.Title));
        link->setAccessibleDescription(
            tr("Opens the page %1 of this chapter").arg(FromBook(topic.Title)));
        link->setProperty("TopicId", topic.TopicId);
        link->setVisible(book.TopicInChapter(chapter, topic.TopicId));
    }
    const bool wordProblems = Session.ChapterHasWordProblems(chapter);
    WordProblemsLink->setVisible(wordProblems);
    WordProblemsItem->setVisible(wordProblems);
    ShowMatchingOffer();
}

void TMainForm::ShowMatchingOffer() {
    const bool terms = Session.ChapterHasTerms(Session.Chapter());
    MatchingItem->setVisible(Session.Book().HasMatchingQuiz && terms);
    MatchingSeparator->setVisible(Session.Book().HasMatchingQuiz && terms);
    MatchingLink->setVisible(terms);
}

namespace {

// The mean colour of a picture's rightmost column.
QColor RightEdgeColour(const QImage& picture) {
    if (picture.isNull()) return Qt::white;
    long red = 0, green = 0, blue = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const QColor pixel = picture.pixelColor(picture.width() - 1, y);
        red += pixel.red();
        green += pixel.green();
        blue += pixel.blue();
    }
    const long n = picture.height();
    return QColor(int(red / n), int(green / n), int(blue / n));
}

} // namespace

void TMainForm::ShowChapterHeading(int chapter) {
    const TColor colour = ChapterHeadColor;
    FillBackground(ChapterHeading->parentWidget(), QColor(colour.Red, colour.Green, colour.Blue));
    ChapterHeading->clear();
    ChapterHeading->setAccessibleDescription(ChapterChooser->itemText(chapter - 1));
    if (chapter < 1 || chapter > Session.Book().ChapterCount) return;
    const std::string name = TBookProperties::ChapterPicture(chapter);
    try {
        const QImage picture = Session.Picture(name, HeadingRoom(), devicePixelRatioF());
        ChapterHeading->setPixmap(QPixmap::fromImage(picture));
        // The strip beside the picture takes the colour of its right edge, so that the banner
        // spans a window of any width.
        FillBackground(ChapterHeading->parentWidget(), RightEdgeColour(picture));
    } catch (const std::exception& e) {
        // The chapter change goes on without its picture; each missing file is named once.
        if (ReportedPictures.insert(name).second)
            TMessageBoxes::Error(this, QString::fromStdString(e.what()));
    }
}

// A chapter heading spans the window and takes at most a quarter of the screen's height.
QSize TMainForm::HeadingRoom() const {
    const QSize screen = ScreenRoom(this);
    return {screen.width(), screen.height() / 4};
}

// The cover shares the window with the navigation panel beside it and the menus, the tool strip
// and the chapter heading above it, and keeps its margins, so the window still fits the screen.
QSize TMainForm::CoverRoom() const {
    const auto* navigation = findChild<QWidget*>(QStringLiteral("NavigationPanel"));
    const auto* toolBar = findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    const int beside = (navigation ? navigation->sizeHint().width() : 0) + 10;
    const int above = menuBar()->sizeHint().height() +
                      (toolBar ? toolBar->sizeHint().height() : 0) + HeadingRoom().height() + 20;
    return ScreenRoom(this, {beside, above});
}

void TMainForm::ChapterChosen(int index) {
    if (index < 0 || index >= Session.Book().ChapterCount) return;
    if (CanLeaveViews()) {
        HideViews();
        SelectChapter(index + 1);
    } else {
        SelectChapter(Session.Chapter());
    }
}

void TMainForm::GraphChapterScores() {
    MainViews().ScoreGraph->Fill(Session.Chapter());
    SwitchToView(MainViews().ScoreGraph);
}

void TMainForm::ShowTopicCommand(std::int32_t topicId) {
    MainViews().Topic->ShowTopic(Session.Chapter(), Session.Book().TopicTitle(topicId));
    SwitchToView(MainViews().Topic);
}

// The search window is made the first time it is asked for, and keeps what it prepared.
void TMainForm::OpenSearchHit(const TBookSearchIndex& index, const TSearchHit& hit,
                              const QString& query) {
    gui::OpenSearchHit(*this, index, hit, query);
    raise();
    activateWindow();
}

void TMainForm::SearchTheBook() {
    // An unreadable glossary is told of, and ends the program, before the search opens on it.
    if (Session.Book().HasGlossary && !Session.Glossary()) return;
    if (!BookSearch) BookSearch = new TBookSearchDialog(Session, *this);
    BookSearch->ShowSearch();
}

// Asked for, a save writes the score file even when nothing has read it yet.
void TMainForm::SaveScoresCommand() {
    Session.Scores();
    Session.SaveScores();
}

// The context of the nearest widget around the focus that has one: a runner inside the main
// window has its own.
void TMainForm::ShowHelpForActiveWindow() {
    QWidget* widget = QApplication::focusWidget();
    if (!widget) widget = QApplication::activeWindow();
    while (widget && !widget->property("HelpContext").isValid())
        widget = widget->parentWidget();
    Help()->ShowContext(widget ? widget->property("HelpContext").toInt() : HelpContext);
}

bool TMainForm::EndAttemptsAndSave() {
    Session.EndRunningAttempt();
    return Session.SaveScores();
}

void TMainForm::ChooseBook() {
    TOpenBookDlg chooser(this);
    // Where no book is, the chooser starts at the open one, as editors start at the open file.
    chooser.StartInWhenNoBook(Session.Folder());
    if (chooser.ChooseBook() == QDialog::Accepted) OpenBook(chooser.SelectedDirectory());
}

namespace {

// Letters only: controls and direction marks, which a folder's name may hold, would let one part
// of a menu item turn the other around.
QString Shown(QString text) {
    text.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
    return text;
}

// A book as file menus show a file: a long title cut at its end, the home folder as ~ and a long
// path cut in the middle, so that the menu stays narrow and the book's own folder name shows.
QString BookAsShown(int n, const TRecentBook& book, const QFontMetrics& metrics) {
    const int room = 40 * metrics.averageCharWidth();
    const QString path = QString::fromStdString(book.Directory.string());
    const QString home = QDir::homePath();
    QString folder = path;
    if (home != QStringLiteral("/") && (path == home || path.startsWith(home + '/')))
        folder = '~' + path.mid(home.size());
    return QStringLiteral("&%1 %2 (%3)")
        .arg(n)
        .arg(metrics.elidedText(Shown(book.Title), Qt::ElideRight, room).replace('&', "&&"),
             metrics.elidedText(Shown(folder), Qt::ElideMiddle, room).replace('&', "&&"));
}

} // namespace

void TMainForm::ListRecentBooks() {
    for (QAction* item : RecentBookItems)
        delete item;
    RecentBookItems.clear();
    std::error_code error;
    const std::filesystem::path folder = Session.Folder().empty() ? "." : Session.Folder();
    const auto open = std::filesystem::weakly_canonical(std::filesystem::absolute(folder), error);
    QAction* after = FileMenu->actions().value(FileMenu->actions().indexOf(OpenBookItem) + 1);
    int n = 0;
    for (const TRecentBook& book : RecentBooks()) {
        if (std::filesystem::weakly_canonical(book.Directory, error) == open || n == 9) continue;
        ++n;
        auto* item = new QAction(BookAsShown(n, book, FileMenu->fontMetrics()), FileMenu);
        item->setObjectName(QStringLiteral("RecentBook%1").arg(n));
        item->setToolTip(QString::fromStdString(book.Directory.string()));
        connect(item, &QAction::triggered, this, [this, dir = book.Directory] {
            // A book whose folder has gone is forgotten, as editors forget a file gone.
            std::error_code gone;
            if (!OpenBook(dir) && !std::filesystem::is_directory(dir, gone)) ForgetBook(dir);
        });
        FileMenu->insertAction(after, item);
        RecentBookItems.push_back(item);
    }
}

bool TMainForm::OpenBook(const std::filesystem::path& directory) {
    // The book is read before anything of the open one is let go.
    TStudySession::TReadBook read;
    try {
        read = Session.ReadBook(directory);
        Session.ReadGlossary(read);
    } catch (const std::exception& e) {
        TMessageBoxes::Error(this, tr("Quillara could not open a book in %1.\n\n%2")
                                       .arg(QString::fromStdString(directory.string()),
                                            QString::fromStdString(e.what())));
        return false;
    }
    // Scores that could not be saved keep their book open: switching would lose them.
    if (!EndAttemptsAndSave()) return false;
    ForgetViews();
    Session.Open(std::move(read));
    SetUpBook();
    HideViews();
    ShowBook();
    FitToBook();
    RememberBook(Session.Folder(), FromBook(Session.Book().Title));
    // What the first window of a book does not show is read once it is drawn, as at start-up.
    QTimer::singleShot(0, this, [this] {
        Session.Glossary();
        Session.Scores();
    });
    return true;
}

// Every view and dialog that showed the old book goes; each is made again for the new one the
// first time it is asked for.
void TMainForm::ForgetViews() {
    Host->ForgetViews();
    Made.reset();
    delete std::exchange(AboutBox, nullptr);
    delete std::exchange(BookSearch, nullptr);
    delete std::exchange(Progress, nullptr);
    RetakeRunner = nullptr;
    RetakeQuestions.clear();
    RetakeItem->setEnabled(false);
    RetakeLink->setEnabled(false);
    ReviewLink->setText(tr("Review"));
    ReportedPictures.clear();
}

// However the program is left, what was answered is kept: a running attempt is ended and
// recorded, as if the student had ended it.
void TMainForm::closeEvent(QCloseEvent* event) {
    EndAttemptsAndSave();
    RememberMainWindowPlace(*this);
    event->accept();
}

} // namespace quillara::gui
