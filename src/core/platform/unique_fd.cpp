#include "core/platform/unique_fd.h"

#include <unistd.h>

namespace quillara {

void TUniqueFd::reset() {
    // Linux releases the descriptor even when close reports an error, so it is never retried.
    if (Fd >= 0) ::close(Fd);
    Fd = -1;
}

} // namespace quillara
