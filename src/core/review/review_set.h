#pragma once

#include "core/book/glossary.h"
#include "core/review/study_log.h"

#include <filesystem>
#include <vector>

namespace quillara {

// The questions of the given items, read afresh from their chapters' banks, in the items' order.
// A glossary term is asked as its definition with up to four of the glossary's terms to choose
// from, placed at random; without a glossary, terms are left out. An item whose question or
// term has been edited or has gone since it was met is left out.
std::vector<TQuestion> QuestionsOfItems(const std::filesystem::path& bookDir,
                                        const std::vector<TStudyItemKey>& items,
                                        const TGlossary* glossary = nullptr);

} // namespace quillara
