#pragma once

#include "core/book/question.h"

#include <algorithm>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillara {

// Sets of question kinds and of chapter numbers, indexed by the stored byte (0..255).
using TKindSet = std::bitset<256>;
using TChapterSet = std::bitset<256>;

// "TF/MC Test from chapters 1-3, 5": the description and the chosen chapters up to lastChapter,
// runs of chapters joined.
std::string TestTitle(std::string_view description, int lastChapter, const TChapterSet& chapters);

// A set of the given members; values outside 0..255 are left out.
std::bitset<256> MakeByteSet(std::initializer_list<int> members);

// Whether the chapter's bank holds a question of the Word Problem kind: records are looked at
// where they lie, until the first. False without a bank, and for one that cannot be read.
bool ChapterHasWordProblems(const std::filesystem::path& bookDir, int chapter);

// The questions at the given places of a chapter's bank (Place counted from 0 in file order),
// in file order, each knowing its place. Places the bank does not have are passed over; a bank
// that cannot be read gives the questions read before the failure.
std::vector<TQuestion> QuestionsAtPlaces(const std::filesystem::path& bookDir, int chapter,
                                         const std::vector<int>& places);

// How many questions the chapter's bank says it holds; 0 without a bank or one that cannot be
// read.
int QuestionsInChapter(const std::filesystem::path& bookDir, int chapter);

// The questions of one quiz or test attempt, in the order they are asked, with the attempt's
// running counts. Every random choice comes from ProgramRandom().
class TTest {
public:
    // 1-based position of the current question; 0 before the first.
    std::int16_t Position = 0;
    std::int16_t NumCorrect = 0;
    std::int16_t NumIncorrect = 0;

    const std::vector<TQuestion>& Questions() const { return Items; }
    std::size_t Count() const { return Items.size(); }
    void Add(TQuestion question) { Items.push_back(std::move(question)); }
    // Empties the list; the position and the counts stay as they are.
    void Clear() { Items.clear(); }

    // Appends the questions of the wanted kinds from the chapter's bank in the book directory,
    // in file order, and resets the counts. Position becomes 1 when the bank exists; a chapter
    // without a bank adds nothing. A bank that cannot be read, a truncated bank or an unknown
    // record version raises, leaving the questions read before the failure in the set.
    void LoadChapter(const std::filesystem::path& bookDir, int chapter, const TKindSet& kinds);
    // Removes questions at random, one draw of 0..count-1 per removal, until at most `size`
    // remain (none for a size of 0 or less).
    void TrimTo(int size);
    // Gives every index i in turn a swap with a random other index.
    void Shuffle();
    // The question at Position, or nullptr when Position is outside the set.
    const TQuestion* CurrentQuestion() const;

    // Loads the chosen chapters up to the book's chapter count, trims the whole set to `size`
    // when it is above 0, shuffles, and returns the attempt's title, such as
    // "TF/MC Test from chapters 1-3, 5". Draws and result are those of LoadChapter for every
    // chosen chapter followed by TrimTo and Shuffle, but the banks are read twice (first only
    // counted) so that a large book never holds more than the questions it keeps. A failing
    // bank raises during the count, before any question has been added.
    std::string BuildSet(const std::filesystem::path& bookDir, int chapterCount,
                         const TKindSet& kinds, std::string_view description, int size,
                         const TChapterSet& chapters);

private:
    std::vector<TQuestion> Items;
};

} // namespace quillara
