#pragma once

#include "core/review/study_log.h"

#include <filesystem>
#include <vector>

namespace quillara {

// The questions of the given items, read afresh from their chapters' banks, in the items' order.
// An item whose question has been edited or has gone since it was met is left out, and so are
// glossary terms, which are not asked from a bank.
std::vector<TQuestion> QuestionsOfItems(const std::filesystem::path& bookDir,
                                        const std::vector<TStudyItemKey>& items);

} // namespace quillara
