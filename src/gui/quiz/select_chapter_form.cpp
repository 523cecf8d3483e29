#include "gui/quiz/select_chapter_form.h"

#include "gui/shell/message_boxes.h"
#include "core/book/book_properties.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/white_background.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace quillara::gui {

namespace {

constexpr QSize UsualSize(401, 320);
// Chapter numbers are bytes in a chapter set.
constexpr int MaxChapter = 255;

QLabel* Label(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(text);
    return label;
}

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(text);
    button->setMinimumWidth(75);
    return button;
}

} // namespace

TSelectChapterForm::TSelectChapterForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SelectChapterForm"));
    setWindowTitle(tr("Chapter"));
    MakeWhite(this);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Title = Label("Title",
                  tr("Select the chapters that you want to be tested on, and the number "
                     "of question you want your test to include."),
                  bevel);
    Title->setWordWrap(true);
    TestSizeLabel = Label("Label1", tr("Desired test size:"), bevel);

    TestSizeList = new QComboBox(bevel);
    TestSizeList->setObjectName(QStringLiteral("TestSizeList"));
    NameControl(TestSizeList, tr("Desired test size"));
    TestSizeList->setEditable(false);
    TestSizeList->setMaxVisibleItems(10);
    TestSizeLabel->setBuddy(TestSizeList);

    ChapterList = new QListWidget(bevel);
    ChapterList->setObjectName(QStringLiteral("ChapterList"));
    ChapterList->setAccessibleName(QStringLiteral("Chapters"));
    ChapterList->setSpacing(1); // keeps the check boxes of neighbouring rows apart

    OKBtn = Button("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn = Button("CancelBtn", QStringLiteral("Cancel"), this);
    // Enter on a focused Cancel cancels, as in every dialog; elsewhere it means OK.
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* size = new QHBoxLayout;
    size->addWidget(TestSizeLabel);
    size->addWidget(TestSizeList);
    size->addStretch();
    auto* inner = new QVBoxLayout(bevel);
    inner->addWidget(Title);
    inner->addLayout(size);
    inner->addWidget(ChapterList, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(bevel, 1);
    layout->addLayout(buttons);
    setTabOrder(ChapterList, TestSizeList);
    setTabOrder(TestSizeList, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    // The usual size, unless the fonts need more to show the title whole.
    layout->activate();
    const int width = std::max(UsualSize.width(), minimumSizeHint().width());
    setFixedSize(width, std::max(UsualSize.height(), layout->totalMinimumHeightForWidth(width)));
}

bool TSelectChapterForm::ExecuteDialog(const TBookProperties& book) {
    // One item per chapter the book counts, as in the main window's chapter chooser: a name
    // missing from the book leaves its item blank, a name beyond the count is not offered.
    ChapterList->clear();
    const int chapters = std::min<int>(book.ChapterCount, MaxChapter);
    for (int chapter = 1; chapter <= chapters; ++chapter) {
        auto* item = new QListWidgetItem(FromBook(book.ChapterName(chapter)), ChapterList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    ChapterList->setCurrentRow(0);

    TestSizeList->clear();
    for (int i = 1; i <= 10; ++i)
        TestSizeList->addItem(tr("%1 questions").arg(i * 10));
    TestSizeList->setCurrentIndex(1);

    ChapterList->setFocus();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return TMessageBoxes::Exec(this) == QDialog::Accepted;
}

int TSelectChapterForm::TestSize() const {
    const int index = TestSizeList->currentIndex();
    return index < 0 ? 0 : (index + 1) * 10;
}

TChapterSet TSelectChapterForm::SelectedChapters(int chapterCount) const {
    TChapterSet chapters;
    if (ChapterList->currentRow() < 0) return chapters;
    const int last = std::min({chapterCount, ChapterList->count(), MaxChapter});
    for (int chapter = 1; chapter <= last; ++chapter)
        if (ChapterList->item(chapter - 1)->checkState() == Qt::Checked)
            chapters.set(static_cast<std::size_t>(chapter));
    return chapters;
}

} // namespace quillara::gui
