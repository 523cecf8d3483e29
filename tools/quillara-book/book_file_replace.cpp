#include "book_file_replace.h"

#include "tool_file_ops.h"

namespace quillara::tool {

void ReplaceBookFiles(const std::filesystem::path& folder,
                      const std::vector<TBookFileChange>& changes) {
    quillara::ReplaceBookFiles(folder.string(), changes, ToolFileOps());
}

void FinishBookChanges(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return;
    FinishBookReplacement(folder.string(), ToolFileOps());
}

} // namespace quillara::tool
