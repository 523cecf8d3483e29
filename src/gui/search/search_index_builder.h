#pragma once

#include "core/search/book_search_build.h"

#include <QObject>
#include <QString>
#include <memory>
#include <thread>

namespace quillara::gui {

// Builds a book's search index on a thread of its own, from the book's files read afresh there,
// and hands the index to the window's thread. Nothing else is shared with the thread: it gets a
// copy of what to read, and its reports reach the window as queued calls.
class TSearchIndexBuilder : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    // Stops a build still running and waits for its thread.
    ~TSearchIndexBuilder() override;

    // Starts a build; a build already running goes on and this one is not started.
    void Start(const TBookSearchSource& source);
    bool Running() const { return Busy; }

signals:
    void Progress(int done, int total);
    void Built(std::shared_ptr<const quillara::TBookSearchIndex> index);
    void Failed(const QString& message);

private:
    bool Busy = false;
    std::jthread Worker;
};

} // namespace quillara::gui
