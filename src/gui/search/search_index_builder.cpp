#include "gui/search/search_index_builder.h"

#include <exception>

namespace quillara::gui {

TSearchIndexBuilder::~TSearchIndexBuilder() {
    // The thread may still post to this object until it has ended; posts left over are dropped
    // with it.
    Worker.request_stop();
    if (Worker.joinable()) Worker.join();
}

void TSearchIndexBuilder::Start(const TBookSearchSource& source) {
    if (Busy) return;
    if (Worker.joinable()) Worker.join(); // the last build has reported; its thread is ending
    Busy = true;
    Worker = std::jthread([this, source](std::stop_token stop) {
        const auto post = [this](auto call) {
            QMetaObject::invokeMethod(this, call, Qt::QueuedConnection);
        };
        try {
            // A report for each whole percent at most: the window need not redraw more often.
            int reported = -1;
            std::shared_ptr<const TBookSearchIndex> index =
                BuildBookSearchIndex(source, [&](int done, int total) {
                    if (stop.stop_requested()) return false;
                    const int percent = total > 0 ? done * 100 / total : 100;
                    if (percent != reported) {
                        reported = percent;
                        post([this, done, total] { emit Progress(done, total); });
                    }
                    return true;
                });
            if (index)
                post([this, index] {
                    Busy = false;
                    emit Built(index);
                });
        } catch (const std::exception& e) {
            post([this, message = QString::fromStdString(e.what())] {
                Busy = false;
                emit Failed(message);
            });
        }
    });
}

} // namespace quillara::gui
