#include "app/main_form.h"

#include "app/about_box.h"
#include "app/about_program.h"
#include "app/help_window.h"
#include "app/message_boxes.h"
#include "app/view_authors_notes_frame.h"
#include "app/view_topic_frame.h"
#include "glossary/view_glossary_frame.h"
#include "widgets/book_picture.h"
#include "widgets/book_text.h"
#include "widgets/link_label.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>

namespace quillara::gui {

namespace {

const QColor HeadingRed(121, 52, 71);

void MakeWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* Heading(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, HeadingRed);
    label->setPalette(palette);
    return label;
}

} // namespace

TMainForm::TMainForm(TProgram& program, QWidget* parent) : QMainWindow(parent), Program(program) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quillara"));
    setProperty("HelpContext", HelpContext);
    setMinimumSize(520, 440);
    resize(520, 440);
    MakeWhite(this);

    auto* toolBar = addToolBar(QStringLiteral("Studying Chapter"));
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    auto* band = new QLabel(QStringLiteral("Studying Chapter: "), toolBar);
    band->setObjectName(QStringLiteral("StudyingChapterLabel"));
    toolBar->addWidget(band);
    ChapterChooser = new QComboBox(toolBar);
    ChapterChooser->setObjectName(QStringLiteral("ComboBox1"));
    ChapterChooser->setEditable(false);
    ChapterChooser->setMaxVisibleItems(15);
    ChapterChooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    toolBar->addWidget(ChapterChooser);
    connect(ChapterChooser, &QComboBox::activated, this, &TMainForm::ComboBox1Change);

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
    headLayout->addWidget(ChapterHeading, 0, Qt::AlignLeft);
    auto* line = new QFrame(headStrip);
    line->setObjectName(QStringLiteral("ChapterHeadLine"));
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background: black"));
    headLayout->addWidget(line);
    column->addWidget(headStrip);

    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    auto* navigation = new QWidget(central);
    navigation->setObjectName(QStringLiteral("NavigationPanel"));
    MakeWhite(navigation);
    BuildNavigation(navigation);
    row->addWidget(navigation);

    ClientArea = new QWidget(central);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    MakeWhite(ClientArea);
    auto* stack = new QGridLayout(ClientArea);
    stack->setContentsMargins(0, 0, 0, 0);
    Cover = new QLabel(ClientArea);
    Cover->setObjectName(QStringLiteral("Cover"));
    Cover->setAlignment(Qt::AlignCenter);
    stack->addWidget(Cover, 0, 0);
    TopicFrame = new TViewTopicFrame1(Program, ClientArea);
    GlossaryFrame = new TViewGlossaryFrame1(ClientArea);
    NotesFrame = new TViewAuthorsNotesFrame1(Program, ClientArea);
    for (QWidget* view : std::initializer_list<QWidget*>{NotesFrame, GlossaryFrame, TopicFrame}) {
        MakeWhite(view);
        view->hide();
        stack->addWidget(view, 0, 0);
    }
    row->addWidget(ClientArea, 1);
    column->addLayout(row, 1);
    setCentralWidget(central);

    BuildMenus();
}

TMainForm::~TMainForm() = default;

// The dialogs and the help window are made the first time they are asked for, so that they cost
// nothing at start-up.
TAboutBox* TMainForm::AboutBook() {
    if (!AboutBox) AboutBox = new TAboutBox(Program, this);
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
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    QAction* save = AddAction(file, QStringLiteral("Save Scores"), "SaveScoresItem");
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &TMainForm::SaveScoresCommand);
    file->addSeparator();
    QAction* exit = AddAction(file, QStringLiteral("E&xit"), "ExitItem");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    ViewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    ViewMenu->setObjectName(QStringLiteral("ViewMenu"));
    GlossaryItem = AddAction(ViewMenu, QStringLiteral("Glossary"), "GlossaryItem");
    connect(GlossaryItem, &QAction::triggered, this, [this] { SwitchToView(GlossaryFrame); });
    GlossarySeparator = ViewMenu->addSeparator();

    // Quizzes, tests and scores have their views in later versions: present, not yet usable.
    QMenu* quiz = menuBar()->addMenu(QStringLiteral("&Quiz"));
    quiz->setObjectName(QStringLiteral("QuizMenu"));
    AddAction(quiz, QStringLiteral("True False"), "QuizTrueFalseItem")->setEnabled(false);
    AddAction(quiz, QStringLiteral("Multiple Choice"), "QuizMultipleChoiceItem")->setEnabled(false);
    AddAction(quiz, QStringLiteral("True False / Multiple Choice"), "QuizMixedItem")
        ->setEnabled(false);
    WordProblemsItem = AddAction(quiz, QStringLiteral("Word Problems"), "WordProblemsItem");
    WordProblemsItem->setVisible(false);
    MatchingSeparator = quiz->addSeparator();
    MatchingItem = AddAction(quiz, QStringLiteral("Glossary Matching"), "GlossaryMatchingItem");
    MatchingItem->setEnabled(false);

    QMenu* test = menuBar()->addMenu(QStringLiteral("&Test"));
    test->setObjectName(QStringLiteral("TestMenu"));
    AddAction(test, QStringLiteral("True False"), "TestTrueFalseItem")->setEnabled(false);
    AddAction(test, QStringLiteral("Multiple Choice"), "TestMultipleChoiceItem")->setEnabled(false);
    AddAction(test, QStringLiteral("True False / Multiple Choice"), "TestMixedItem")
        ->setEnabled(false);

    QMenu* scores = menuBar()->addMenu(QStringLiteral("&Scores"));
    scores->setObjectName(QStringLiteral("ScoresMenu"));
    AddAction(scores, QStringLiteral("&View saved scores"), "ViewSavedScoresItem")
        ->setEnabled(false);
    AddAction(scores, QStringLiteral("&Graph scores for selected chapter"), "GraphScoresItem")
        ->setEnabled(false);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction* contents = AddAction(help, QStringLiteral("&Contents"), "HelpContentsItem");
    connect(contents, &QAction::triggered, this, [this] { Help()->ShowContents(); });
    AuthorsNotesItem = AddAction(help, QStringLiteral("Authors &Notes"), "AuthorsNotesItem");
    connect(AuthorsNotesItem, &QAction::triggered, this, [this] { SwitchToView(NotesFrame); });
    help->addSeparator();
    QAction* aboutBook = AddAction(help, QStringLiteral("About &Book..."), "AboutBookItem");
    connect(aboutBook, &QAction::triggered, this, [this] { AboutBook()->ShowAbout(); });
    QAction* aboutProgram =
        AddAction(help, QStringLiteral("About &Program..."), "AboutProgramItem");
    connect(aboutProgram, &QAction::triggered, this, [this] { AboutProgramDialog()->show(); });

    auto* contextHelp = new QAction(this);
    contextHelp->setObjectName(QStringLiteral("ContextHelpAction"));
    contextHelp->setShortcut(QKeySequence::HelpContents);
    contextHelp->setShortcutContext(Qt::ApplicationShortcut);
    connect(contextHelp, &QAction::triggered, this, &TMainForm::ShowHelpForActiveWindow);
    addAction(contextHelp);
}

void TMainForm::BuildNavigation(QWidget* panel) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 8, 8, 8);
    auto link = [&](const QString& caption, const char* name, bool usable) {
        auto* label = new TLinkLabel(caption, panel);
        label->setObjectName(QString::fromLatin1(name));
        label->setEnabled(usable);
        layout->addWidget(label);
        return label;
    };

    layout->addWidget(Heading(QStringLiteral("Quizzes"), "QuizzesHeading", panel));
    link(QStringLiteral("True False"), "TrueFalseLink", false);
    link(QStringLiteral("Multiple Choice"), "MultipleChoiceLink", false);
    link(QStringLiteral("True False/Multiple Choice"), "MixedLink", false);
    link(QStringLiteral("Glossary Matching"), "GlossaryMatchingLink", false);
    WordProblemsLink = link(QStringLiteral("Word Problems"), "WordProblemsLink", false);
    WordProblemsLink->hide();

    layout->addSpacing(10);
    layout->addWidget(Heading(QStringLiteral("Chapter Topics"), "ChapterTopicsHeading", panel));
    for (int i = 1; i <= 3; ++i) {
        const std::string name = "TopicLink" + std::to_string(i);
        TLinkLabel* topicLink = link(QString::number(i), name.c_str(), true);
        connect(topicLink, &TLinkLabel::clicked, this,
                [this, topicLink] { ShowTopicCommand(topicLink->property("TopicId").toInt()); });
        TopicLinks.push_back(topicLink);
    }

    layout->addSpacing(10);
    layout->addWidget(Heading(QStringLiteral("Miscellaneous"), "MiscellaneousHeading", panel));
    connect(link(QStringLiteral("Glossary"), "GlossaryLink", true), &TLinkLabel::clicked, this,
            [this] { SwitchToView(GlossaryFrame); });
    link(QStringLiteral("Graph scores for chapter"), "GraphScoresLink", false);
    link(QStringLiteral("View saved scores"), "ViewSavedScoresLink", false);
    connect(link(QStringLiteral("Read authors notes"), "AuthorsNotesLink", true),
            &TLinkLabel::clicked, this, [this] { SwitchToView(NotesFrame); });
    layout->addStretch(1);
}

void TMainForm::SetUpBook() {
    const TBookProperties& book = *Program.Book;
    try {
        const QImage cover =
            LoadBookPicture(Program.BookDir(), TBookProperties::CoverPictureFull());
        Cover->setPixmap(QPixmap::fromImage(cover));
        Cover->setMinimumSize(cover.width() + 10, cover.height() + 20);
    } catch (const std::exception& e) {
        // A book without its cover is still a book: say which file is missing and go on.
        Cover->clear();
        TMessageBoxes::Error(this, QString::fromStdString(e.what()));
    }
    setWindowTitle(QStringLiteral("Quillara for ") + FromBook(Program.SettingsSection));
    ChapterChooser->clear();
    for (int n = 1; n <= std::min<int>(book.ChapterCount, 255); ++n)
        ChapterChooser->addItem(
            QStringLiteral("Chapter %1 - %2").arg(n).arg(FromBook(book.ChapterName(n))));
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!Shown) {
        Shown = true;
        FormShow();
    }
}

void TMainForm::FormShow() {
    const TBookProperties& book = *Program.Book;
    for (const TChapterTopic& topic : book.Topics) {
        QAction* item = ViewMenu->addAction(FromBook(topic.Title));
        item->setObjectName(QStringLiteral("TopicItem%1").arg(topic.TopicId));
        item->setData(topic.TopicId);
        connect(item, &QAction::triggered, this,
                [this, id = topic.TopicId] { ShowTopicCommand(id); });
        TopicItems.push_back(item);
    }
    MatchingItem->setVisible(book.HasMatchingQuiz);
    MatchingSeparator->setVisible(book.HasMatchingQuiz);
    AuthorsNotesItem->setVisible(book.HasAuthorsNotes);
    GlossaryItem->setVisible(book.HasGlossary);
    GlossarySeparator->setVisible(book.HasGlossary);
    GlossaryFrame->SetGlossary(Program.Glossary.get());
    if (!book.HasGlossary && book.Topics.empty()) ViewMenu->menuAction()->setVisible(false);

    // The runners, the matching quiz, the saved scores and the score graph register here too once
    // they exist, in their places of the order.
    Registered.push_back({NotesFrame, {}, {}, [this] { NotesFrame->ShowNotes(); }, {}, false});
    Registered.push_back(
        {GlossaryFrame, {}, {}, [this] { GlossaryFrame->ShowGlossaryView(); }, {}, false});
    Registered.push_back({TopicFrame, {}, {}, {}, {}, false});
    HideViews();
    SelectChapter(1);
    // Never smaller than 520 x 440, nor than the cover and the chapter heading need.
    const QSize smallest(520, 440);
    setMinimumSize(minimumSizeHint().expandedTo(smallest));
    resize(size().expandedTo(sizeHint()).expandedTo(smallest));
}

void TMainForm::RegisterView(const TFrameManager& view) {
    Registered.push_back(view);
}

bool TMainForm::CanLeaveViews() {
    bool answer = true;
    for (TFrameManager& view : Registered) {
        if (view.Frame->isHidden() || view.LeaveConfirmed) continue;
        if (!view.CanLeave || view.CanLeave())
            view.LeaveConfirmed = true;
        else
            answer = false;
    }
    return answer;
}

void TMainForm::HideViews() {
    if (!CanLeaveViews()) return;
    for (TFrameManager& view : Registered) {
        if (view.Frame->isHidden()) continue;
        if (view.HideHandler)
            view.HideHandler();
        else
            view.Frame->hide();
    }
}

void TMainForm::ShowView(QWidget* frame) {
    if (!CanLeaveViews()) return;
    for (TFrameManager& view : Registered) {
        if (view.Frame != frame || !view.Frame->isHidden()) continue;
        if (view.CanShow && !view.CanShow()) continue;
        if (view.ShowHandler)
            view.ShowHandler();
        else
            view.Frame->show();
        view.LeaveConfirmed = false;
    }
}

void TMainForm::SwitchToView(QWidget* view) {
    if (!CanLeaveViews()) return;
    HideViews();
    ShowView(view);
}

void TMainForm::SelectChapter(int chapter) {
    const TBookProperties& book = *Program.Book;
    Chapter = chapter;
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
        link->setProperty("TopicId", topic.TopicId);
        link->setVisible(book.TopicInChapter(chapter, topic.TopicId));
    }
    const bool wordProblems = TBookProperties::ChapterHasWordProblems(chapter);
    WordProblemsLink->setVisible(wordProblems);
    WordProblemsItem->setVisible(wordProblems);
}

void TMainForm::ShowChapterHeading(int chapter) {
    const TColor colour = TBookProperties::ChapterHeadColor();
    ChapterHeading->parentWidget()->setStyleSheet(
        QStringLiteral("#ChapterHeadPanel { background: rgb(%1, %2, %3); }")
            .arg(colour.Red)
            .arg(colour.Green)
            .arg(colour.Blue));
    ChapterHeading->clear();
    if (chapter < 1 || chapter > Program.Book->ChapterCount) return;
    const std::string name = TBookProperties::ChapterPicture(chapter);
    try {
        const QImage picture = LoadBookPicture(Program.BookDir(), name);
        ChapterHeading->setPixmap(QPixmap::fromImage(picture));
    } catch (const std::exception& e) {
        // The chapter change goes on without its picture; each missing file is named once.
        if (ReportedPictures.insert(name).second)
            TMessageBoxes::Error(this, QString::fromStdString(e.what()));
    }
}

void TMainForm::ComboBox1Change(int index) {
    if (index < 0 || index >= Program.Book->ChapterCount) return;
    if (CanLeaveViews()) {
        HideViews();
        SelectChapter(index + 1);
    } else {
        SelectChapter(Chapter);
    }
}

void TMainForm::ShowTopicCommand(std::int32_t topicId) {
    TopicFrame->ShowTopic(Chapter, Program.Book->TopicTitle(topicId));
    SwitchToView(TopicFrame);
}

void TMainForm::SaveScoresCommand() {
    if (!Program.Scores.saveScores(Program.SaveDirectory))
        TMessageBoxes::Error(this, QStringLiteral("Unable to save scores"));
}

void TMainForm::ShowHelpForActiveWindow() {
    QWidget* active = QApplication::activeWindow();
    const QVariant context = active ? active->property("HelpContext") : QVariant();
    Help()->ShowContext(context.isValid() ? context.toInt() : HelpContext);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    SaveScoresCommand();
    event->accept();
}

} // namespace quillara::gui
