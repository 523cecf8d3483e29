#include "gui/help/help_window.h"

#include "gui/widgets/accessible_name.h"
#include "gui/widgets/find_bar.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/readable_measure.h"
#include "gui/widgets/screen_fit.h"
#include "gui/widgets/text_size.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages are compiled into the GUI library, which is linked statically: the resource has to be
// registered by name or the linker drops it.
static void RegisterHelpPages() {
    Q_INIT_RESOURCE(help);
}

namespace quillara::gui {

namespace {

const QString HelpRoot = QStringLiteral("qrc:/help/");

QString PageOfContext(int helpContext) {
    switch (helpContext) {
    case 10000:
        return "main-window.html#main-window";
    case 10001:
        return "topics-glossary.html#glossary";
    case 10003:
        return "quizzes.html#quiz-runner";
    case 10007:
        return "tests.html#test-window";
    default:
        return "contents.html";
    }
}

} // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    RegisterHelpPages();
    setObjectName("HelpWindow");
    setWindowTitle(tr("Quillara Help"));
    resize(640, 520);

    helpBrowser = new QTextBrowser(this);
    helpBrowser->setObjectName("helpBrowser");
    NameControl(helpBrowser, tr("Help page"));
    // Only links between the help pages are followed; anything else is left alone.
    helpBrowser->setOpenLinks(false);
    helpBrowser->setOpenExternalLinks(false);
    connect(helpBrowser, &QTextBrowser::anchorClicked, this, &THelpWindow::FollowLink);

    helpBrowser->setFrameStyle(QFrame::Box | QFrame::Plain);
    KeepReadableMeasureAlways(helpBrowser);
    FollowTextSize(helpBrowser);
    // Each page, followed or gone back to, is a new document to keep the measure in.
    connect(helpBrowser, &QTextBrowser::sourceChanged, this,
            [this] { KeepReadableMeasure(helpBrowser); });
    MarkFocusOn(helpBrowser, helpBrowser);
    FindBar = new TFindBar(helpBrowser, this);

    contentsButton = new QPushButton(tr("Contents"), this);
    contentsButton->setObjectName("helpContentsButton");
    backButton = new QPushButton(tr("Back"), this);
    backButton->setObjectName("helpBackButton");
    forwardButton = new QPushButton(tr("Forward"), this);
    forwardButton->setObjectName("helpForwardButton");
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    connect(contentsButton, &QPushButton::clicked, this, [this] { Open("contents.html"); });
    connect(backButton, &QPushButton::clicked, helpBrowser, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, helpBrowser, &QTextBrowser::forward);
    connect(helpBrowser, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(helpBrowser, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(helpBrowser, 1);
    layout->addWidget(FindBar);
}

void THelpWindow::ShowContents() {
    Open("contents.html");
}

void THelpWindow::ShowContext(int helpContext) {
    Open(PageOfContext(helpContext));
}

QString THelpWindow::CurrentSection() const {
    const QUrl source = helpBrowser->source();
    if (source.hasFragment()) return source.fragment();
    return QFileInfo(source.path()).completeBaseName();
}

void THelpWindow::Open(const QString& page) {
    helpBrowser->setSource(QUrl(HelpRoot + page));
    if (!isVisible()) PlaceOver(this, parentWidget() ? parentWidget()->window() : nullptr);
    show();
    raise();
    activateWindow();
    helpBrowser->setFocus();
}

// Escape closes the help, as it does a dialog; an open find bar takes it first.
void THelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void THelpWindow::FollowLink(const QUrl& link) {
    // Links arrive resolved against the page they are on.
    if (link.scheme() == "qrc" && link.path().startsWith("/help/")) helpBrowser->setSource(link);
}

} // namespace quillara::gui
