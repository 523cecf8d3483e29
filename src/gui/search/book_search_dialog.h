#pragma once

#include "core/search/book_search_index.h"
#include "gui/search/search_navigator.h"

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace quillara::gui {

class TStudySession;
class TSearchHitModel;
class TSearchIndexBuilder;

// "Search the Book": finds a word or phrase in every chapter's topic pages and in the glossary
// and lists the hits; choosing one shows it in the main window. The window stays open beside
// the main window. The first time it opens it prepares the book in the background, showing how
// far it has come; a search asked for meanwhile runs when the book is ready.
class TBookSearchDialog : public QDialog {
    Q_OBJECT

public:
    // Hits listed at most; the count says how many there are in all.
    static constexpr std::size_t ListedHits = 1000;

    TBookSearchDialog(const TStudySession& session, TSearchNavigator& navigator);
    ~TBookSearchDialog() override;

    // Shows the window with its search text selected, preparing the book if it is not yet.
    void ShowSearch();
    // Searches for the text in the box now, or as soon as the book is ready.
    void Search();
    bool Ready() const { return static_cast<bool>(Index); }
    const TSearchHitModel& Hits() const { return *Model; }

private:
    void Prepare();
    void IndexBuilt(std::shared_ptr<const TBookSearchIndex> index);
    void BuildFailed(const QString& message);
    void BuildProgress(int done, int total);
    void RunSearch();
    void OpenHit(const QModelIndex& index);

    const TStudySession& Session;
    TSearchNavigator& Navigator;
    std::shared_ptr<const TBookSearchIndex> Index;
    TSearchIndexBuilder* Builder;
    TSearchHitModel* Model;
    QString Query;
    bool SearchWaiting = false;

    QLineEdit* searchText;
    QPushButton* searchButton;
    QProgressBar* buildProgress;
    QLabel* searchStatus;
    QTreeView* hitList;
    QPushButton* closeButton;
};

} // namespace quillara::gui
