#include "core/quiz/question_set.h"

#include "core/book/book_files.h"
#include "core/book/question_bank_stream.h"
#include "core/platform/random_source.h"
#include "core/quiz/random_trim.h"

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>
#include <utility>

namespace quillara {

namespace fs = std::filesystem;

namespace {

constexpr int MaxChapter = 255;

// Keeps, in order, the items whose slots survive among the first `slots` and drops the others.
// Returns how many survivors that used.
std::size_t KeepSurvivors(std::vector<TQuestion>& items, std::size_t slots,
                          const std::vector<std::size_t>& survivors) {
    std::size_t kept = 0;
    for (; kept < survivors.size() && survivors[kept] < slots; ++kept)
        if (survivors[kept] != kept) items[kept] = std::move(items[survivors[kept]]);
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(kept),
                items.begin() + static_cast<std::ptrdiff_t>(slots));
    return kept;
}

// Reads a chapter's bank in file order, a record at a time, and hands each record of a wanted kind
// to `take`, where it lies in the bytes held, which returns false once it wants no more. Position
// becomes 1 as soon as the count of an existing bank has been read. Nothing is reserved from the
// stored count: a damaged bank may claim far more records than it holds, and the reader stops at
// its end.
template <typename Take>
void ReadMatching(const fs::path& bookDir, int chapter, const TKindSet& kinds,
                  std::int16_t& position, Take take) {
    if (chapter < 1 || chapter > MaxChapter) return;
    const std::string name = QuestionBankName(chapter);
    const auto path = FindBookFile(bookDir, name);
    if (!path) return;
    TBookFileStream file(*path, MaxQuestionBankSize);
    TQuestionBankStream bank(file, name);
    position = 1;
    for (int place = 0; const auto fields = bank.NextFields(); ++place) {
        if (!kinds.test(fields->Kind)) continue;
        if (!take(*fields, place)) return;
    }
}

TQuestion QuestionOfChapter(const TQuestionFields& fields, int chapter, int place) {
    TQuestion question = MakeQuestion(fields);
    question.Chapter = static_cast<std::uint8_t>(chapter);
    question.Place = place;
    return question;
}

} // namespace

bool ChapterHasWordProblems(const fs::path& bookDir, int chapter) {
    bool found = false;
    std::int16_t position = 0;
    try {
        ReadMatching(bookDir, chapter, MakeByteSet({qkWordProblem}), position,
                     [&found](const TQuestionFields&, int) { return !(found = true); });
    } catch (const std::exception&) {
        // A damaged bank offers what was found before the damage.
    }
    return found;
}

int QuestionsInChapter(const fs::path& bookDir, int chapter) {
    if (chapter < 1 || chapter > MaxChapter) return 0;
    const std::string name = QuestionBankName(chapter);
    try {
        const auto path = FindBookFile(bookDir, name);
        if (!path) return 0;
        TBookFileStream file(*path, MaxQuestionBankSize);
        return TQuestionBankStream(file, name).Count();
    } catch (const std::exception&) {
        return 0;
    }
}

std::vector<TQuestion> QuestionsAtPlaces(const fs::path& bookDir, int chapter,
                                         const std::vector<int>& places) {
    if (places.empty()) return {};
    std::vector<int> wanted = places;
    std::sort(wanted.begin(), wanted.end());
    std::vector<TQuestion> found;
    std::int16_t position = 0;
    TKindSet anyKind;
    anyKind.set();
    try {
        ReadMatching(bookDir, chapter, anyKind, position,
                     [&](const TQuestionFields& fields, int place) {
                         if (std::binary_search(wanted.begin(), wanted.end(), place))
                             found.push_back(QuestionOfChapter(fields, chapter, place));
                         return place < wanted.back();
                     });
    } catch (const std::exception&) {
        // What was read before the damage is still the student's to review.
    }
    return found;
}

std::string TestTitle(std::string_view description, int lastChapter, const TChapterSet& chapters) {
    std::string text;
    int selected = 0;
    int previous = -1;
    bool run = false;
    for (int c = 1; c <= lastChapter; ++c) {
        if (chapters.test(c)) {
            ++selected;
            if (c != previous + 1) {
                text += std::to_string(c) + ", ";
            } else if (!run) {
                text.resize(text.size() - 2); // the previous chapter always ends in ", "
                text += '-';
                run = true;
            }
            previous = c;
        } else if (run) {
            text += std::to_string(previous) + ", ";
            run = false;
        }
    }
    if (run) text += std::to_string(previous) + ", ";
    if (text.size() >= 2) text.resize(text.size() - 2);
    return std::string(description) + " from chapter" + (selected > 1 ? "s " : " ") + text;
}

std::bitset<256> MakeByteSet(std::initializer_list<int> members) {
    std::bitset<256> set;
    for (int member : members)
        if (member >= 0 && member < 256) set.set(static_cast<std::size_t>(member));
    return set;
}

void TTest::LoadChapter(const fs::path& bookDir, int chapter, const TKindSet& kinds) {
    ReadMatching(bookDir, chapter, kinds, Position, [&](const TQuestionFields& fields, int place) {
        Items.push_back(QuestionOfChapter(fields, chapter, place));
        return true;
    });
    NumCorrect = 0;
    NumIncorrect = 0;
}

void TTest::TrimTo(int size) {
    const std::size_t keep = static_cast<std::size_t>(std::max(size, 0));
    if (Items.size() <= keep) return;
    KeepSurvivors(Items, Items.size(), DrawSurvivors(Items.size(), keep));
}

void TTest::Shuffle() {
    const std::size_t n = Items.size();
    if (n < 2) return;
    TRandomSource& random = ProgramRandom();
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t j = 0;
        do {
            j = random.uniform(static_cast<std::uint32_t>(n));
        } while (j == i);
        std::swap(Items[i], Items[j]);
    }
}

const TQuestion* TTest::CurrentQuestion() const {
    if (Position < 1 || static_cast<std::size_t>(Position) > Items.size()) return nullptr;
    return &Items[static_cast<std::size_t>(Position) - 1];
}

std::string TTest::BuildSet(const fs::path& bookDir, int chapterCount, const TKindSet& kinds,
                            std::string_view description, int size, const TChapterSet& chapters) {
    const int lastChapter = std::min(chapterCount, MaxChapter);

    // Count first: a test keeps at most a hundred questions, and holding every question of a
    // large book only to trim it away would take gigabytes.
    std::array<std::size_t, MaxChapter + 1> offered{};
    std::size_t total = Items.size();
    for (int c = 1; c <= lastChapter; ++c) {
        if (!chapters.test(c)) continue;
        ReadMatching(bookDir, c, kinds, Position, [&](const TQuestionFields&, int) {
            ++offered[c];
            return true;
        });
        NumCorrect = 0;
        NumIncorrect = 0;
        total += offered[c];
    }

    // The draws TrimTo would make on the whole set, made on slots, then a second reading that
    // keeps only the questions in surviving slots.
    const std::size_t keep = size > 0 ? static_cast<std::size_t>(size) : total;
    const std::vector<std::size_t> survivors = DrawSurvivors(total, keep);
    std::size_t slot = Items.size();
    std::size_t next = KeepSurvivors(Items, slot, survivors);
    auto inChapter = [&](std::size_t end) {
        return next < survivors.size() && survivors[next] < end;
    };
    for (int c = 1; c <= lastChapter; ++c) {
        const std::size_t end = slot + offered[c];
        if (inChapter(end)) {
            ReadMatching(bookDir, c, kinds, Position,
                         [&](const TQuestionFields& fields, int place) {
                             if (survivors[next] == slot++) {
                                 Items.push_back(QuestionOfChapter(fields, c, place));
                                 ++next;
                             }
                             return inChapter(end);
                         });
        }
        while (inChapter(end))
            ++next; // the bank has shrunk since it was counted
        slot = end;
    }

    std::string title = TestTitle(description, lastChapter, chapters);
    if (!Items.empty()) Shuffle();
    return title;
}

} // namespace quillara
