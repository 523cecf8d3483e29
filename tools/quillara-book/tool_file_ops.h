#pragma once

#include "core/scores/save_file_ops.h"

namespace quillara::tool {

// The file-system steps every file the tool writes goes through: the system's own. When the
// environment sets QUILLARA_BOOK_KILL_AFTER_RENAMES to N, the tool kills itself (SIGKILL, as a
// crash or a pulled plug would stop it) when it is about to make rename N + 1, so that tests
// can stop it at each point of a change to a book.
TSaveFileOps& ToolFileOps();

} // namespace quillara::tool
