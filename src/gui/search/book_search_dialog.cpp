#include "gui/search/book_search_dialog.h"

#include "gui/shell/study_session.h"
#include "gui/search/search_hit_model.h"
#include "gui/search/search_index_builder.h"
#include "gui/search/snippet_delegate.h"
#include "gui/widgets/screen_fit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QWindow>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace quillara::gui {

TBookSearchDialog::TBookSearchDialog(const TStudySession& session, TSearchNavigator& navigator)
    : QDialog(navigator.SearchOwner()), Session(session), Navigator(navigator) {
    setObjectName(QStringLiteral("BookSearchDialog"));
    setWindowTitle(tr("Search the Book"));
    setModal(false);
    resize(680, 440);

    Builder = new TSearchIndexBuilder(this);
    connect(Builder, &TSearchIndexBuilder::Progress, this, &TBookSearchDialog::BuildProgress);
    connect(Builder, &TSearchIndexBuilder::Built, this, &TBookSearchDialog::IndexBuilt);
    connect(Builder, &TSearchIndexBuilder::Failed, this, &TBookSearchDialog::BuildFailed);

    auto* label = new QLabel(tr("Search &for:"), this);
    searchText = new QLineEdit(this);
    searchText->setObjectName(QStringLiteral("searchText"));
    searchText->setAccessibleName(tr("Word or phrase to search for"));
    label->setBuddy(searchText);
    searchButton = new QPushButton(tr("&Search"), this);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    searchButton->setDefault(true);

    buildProgress = new QProgressBar(this);
    buildProgress->setObjectName(QStringLiteral("buildProgress"));
    buildProgress->setAccessibleName(tr("Preparing the book for searching"));
    buildProgress->hide();
    searchStatus = new QLabel(this);
    searchStatus->setObjectName(QStringLiteral("searchStatus"));
    searchStatus->setWordWrap(true);

    Model = new TSearchHitModel(Session.Book(), this);
    hitList = new QTreeView(this);
    hitList->setObjectName(QStringLiteral("hitList"));
    hitList->setAccessibleName(tr("Matches"));
    hitList->setModel(Model);
    hitList->setRootIsDecorated(false);
    hitList->setUniformRowHeights(true);
    hitList->setAllColumnsShowFocus(true);
    hitList->setAlternatingRowColors(true);
    hitList->setItemDelegateForColumn(2, new TSnippetDelegate(hitList));
    hitList->header()->setStretchLastSection(true);
    hitList->header()->resizeSection(0,
                                     hitList->fontMetrics().horizontalAdvance("Chapter 255") + 16);
    hitList->header()->resizeSection(1, 150);

    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAutoDefault(false);

    auto* query = new QHBoxLayout;
    query->addWidget(label);
    query->addWidget(searchText, 1);
    query->addWidget(searchButton);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(query);
    layout->addWidget(buildProgress);
    layout->addWidget(searchStatus);
    layout->addWidget(hitList, 1);
    layout->addLayout(bottom);

    connect(searchButton, &QPushButton::clicked, this, &TBookSearchDialog::Search);
    connect(searchText, &QLineEdit::returnPressed, this, &TBookSearchDialog::Search);
    connect(hitList, &QTreeView::activated, this, &TBookSearchDialog::OpenHit);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

TBookSearchDialog::~TBookSearchDialog() = default;

void TBookSearchDialog::ShowSearch() {
    if (isVisible())
        KeepOnScreen(this);
    else
        PlaceOver(this, parentWidget() ? parentWidget()->window() : nullptr);
    show();
    // A window of its own beside the book, not one kept above it: the page a hit opens comes
    // to the front.
    if (windowHandle()) windowHandle()->setTransientParent(nullptr);
    raise();
    activateWindow();
    searchText->setFocus(Qt::OtherFocusReason);
    searchText->selectAll();
    if (!Index) Prepare();
}

void TBookSearchDialog::Prepare() {
    if (Builder->Running()) return;
    const TBookProperties& book = Session.Book();
    TBookSearchSource source{Session.BookDir(), book.ChapterCount, {}, book.HasGlossary};
    for (const TChapterTopic& topic : book.Topics)
        source.TopicTitles.push_back(topic.Title);
    buildProgress->setRange(0, 0);
    buildProgress->show();
    searchStatus->setText(tr("Preparing the book for searching…"));
    Builder->Start(source);
}

void TBookSearchDialog::BuildProgress(int done, int total) {
    buildProgress->setRange(0, total);
    buildProgress->setValue(done);
}

void TBookSearchDialog::IndexBuilt(std::shared_ptr<const TBookSearchIndex> index) {
    Index = std::move(index);
    buildProgress->hide();
    searchStatus->clear();
    if (SearchWaiting) RunSearch();
}

void TBookSearchDialog::BuildFailed(const QString& message) {
    buildProgress->hide();
    SearchWaiting = false;
    // The next search tries again.
    searchStatus->setText(tr("The book could not be prepared for searching: %1").arg(message));
}

void TBookSearchDialog::Search() {
    Query = searchText->text();
    if (Index) {
        RunSearch();
        return;
    }
    SearchWaiting = true;
    Prepare();
    searchStatus->setText(tr("Preparing the book for searching; the search follows as soon as "
                             "it is ready…"));
}

void TBookSearchDialog::RunSearch() {
    SearchWaiting = false;
    if (Query.trimmed().isEmpty()) {
        Model->Clear();
        searchStatus->setText(tr("Type a word or phrase to search for."));
        return;
    }
    TSearchResult result = Index->Search(Query.toStdString(), ListedHits);
    const std::size_t total = result.Total;
    const std::size_t listed = result.Hits.size();
    Model->SetResult(Index, std::move(result));
    const QLocale locale;
    if (total == 0)
        searchStatus->setText(tr("No matches for \u201C%1\u201D.").arg(Query));
    else if (total == 1)
        searchStatus->setText(tr("1 match."));
    else if (listed == total)
        searchStatus->setText(
            tr("%1 matches.").arg(locale.toString(static_cast<qulonglong>(total))));
    else
        searchStatus->setText(tr("The first %1 of %2 matches.")
                                  .arg(locale.toString(static_cast<qulonglong>(listed)))
                                  .arg(locale.toString(static_cast<qulonglong>(total))));
    if (listed > 0) hitList->setCurrentIndex(Model->index(0, 0));
}

void TBookSearchDialog::OpenHit(const QModelIndex& index) {
    const TSearchHit* hit = Model->Hit(index.row());
    if (!hit || !Index) return;
    Navigator.OpenSearchHit(*Index, *hit, Query);
}

} // namespace quillara::gui
