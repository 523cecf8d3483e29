#include "core/quiz/question_set.h"

#include "core/book/book_files.h"
#include "core/book/question_bank_stream.h"
#include "core/platform/random_source.h"
#include "core/quiz/random_trim.h"

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>
#include <optional>
#include <string>
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

// The bytes of a chapter's bank, read whole in one go (a bank is at most MaxQuestionBankSize), or
// nothing when the chapter has no bank.
std::optional<std::string> ReadBank(const fs::path& bookDir, int chapter) {
    if (chapter < 1 || chapter > MaxChapter) return std::nullopt;
    const auto path = FindBookFile(bookDir, QuestionBankName(chapter));
    if (!path) return std::nullopt;
    return ReadWholeFile(*path, MaxQuestionBankSize);
}

// Walks a bank's records in file order and hands each record of a wanted kind to `take`, where
// it lies in the bytes, with its place in the bank and its offset; `take` returns false once it
// wants no more. Position becomes 1 as soon as the count of the bank has been read. Nothing is
// reserved from the stored count: a damaged bank may claim far more records than it holds, and
// the walk stops at its end.
template <typename Take>
void WalkBank(std::string_view bytes, int chapter, const TKindSet& kinds, std::int16_t& position,
              Take take) {
    TByteReader in(bytes, QuestionBankName(chapter));
    const int total = std::max<int>(in.ReadInt16("question count"), 0);
    position = 1;
    for (int place = 0; place < total; ++place) {
        const std::size_t at = in.Position();
        const TQuestionFields fields = ReadQuestionFields(in);
        if (!kinds.test(fields.Kind)) continue;
        if (!take(fields, place, at)) return;
    }
}

// Reads a chapter's bank and walks it (WalkBank).
template <typename Take>
void ReadMatching(const fs::path& bookDir, int chapter, const TKindSet& kinds,
                  std::int16_t& position, Take take) {
    if (const auto bytes = ReadBank(bookDir, chapter))
        WalkBank(*bytes, chapter, kinds, position,
                 [&](const TQuestionFields& fields, int place, std::size_t) {
                     return take(fields, place);
                 });
}

// A bank kept from the count to the copying out: its bytes and, for each record of a wanted kind
// in order, where it starts and its place in the bank.
struct THeldBank {
    bool Held = false;
    std::string Bytes;
    std::vector<std::pair<std::uint32_t, std::int32_t>> Wanted;
};

// What the banks of a test may hold between its count and its copying out. A quiz's one bank
// always fits; the banks of a test over many chapters past it are read again where a chosen
// question lies.
constexpr std::size_t MaxHeldBankBytes = MaxQuestionBankSize;

TQuestion QuestionOfChapter(const TQuestionFields& fields, int chapter, int place) {
    TQuestion question = MakeQuestion(fields);
    question.Chapter = static_cast<std::uint8_t>(chapter);
    question.Place = place;
    return question;
}

} // namespace

bool ChapterHasWordProblems(const fs::path& bookDir, int chapter) {
    // Read a record at a time: the window asks this as it shows a chapter, and the first word
    // problem ends the reading.
    if (chapter < 1 || chapter > MaxChapter) return false;
    const std::string name = QuestionBankName(chapter);
    const auto path = FindBookFile(bookDir, name);
    if (!path) return false;
    try {
        TBookFileStream file(*path, MaxQuestionBankSize);
        TQuestionBankStream bank(file, name);
        while (const auto fields = bank.NextFields())
            if (fields->Kind == qkWordProblem) return true;
    } catch (const std::exception&) {
        // A damaged bank offers what was found before the damage.
    }
    return false;
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
    // large book only to trim it away would take gigabytes. Each bank is read once, and kept while
    // the banks kept fit MaxHeldBankBytes, with where its wanted records lie.
    std::array<std::size_t, MaxChapter + 1> offered{};
    std::vector<THeldBank> held(static_cast<std::size_t>(std::max(lastChapter, 0)) + 1);
    std::size_t heldBytes = 0;
    std::size_t total = Items.size();
    for (int c = 1; c <= lastChapter; ++c) {
        if (!chapters.test(c)) continue;
        if (auto bytes = ReadBank(bookDir, c)) {
            THeldBank& bank = held[static_cast<std::size_t>(c)];
            bank.Held = heldBytes + bytes->size() <= MaxHeldBankBytes;
            WalkBank(*bytes, c, kinds, Position,
                     [&](const TQuestionFields&, int place, std::size_t at) {
                         ++offered[c];
                         if (bank.Held)
                             bank.Wanted.emplace_back(static_cast<std::uint32_t>(at), place);
                         return true;
                     });
            if (bank.Held) {
                heldBytes += bytes->size();
                bank.Bytes = std::move(*bytes);
            }
        }
        NumCorrect = 0;
        NumIncorrect = 0;
        total += offered[c];
    }

    // The draws TrimTo would make on the whole set, made on slots; then the questions in surviving
    // slots are copied out of the banks kept, or of a bank read again.
    const std::size_t keep = size > 0 ? static_cast<std::size_t>(size) : total;
    const std::vector<std::size_t> survivors = DrawSurvivors(total, keep);
    std::size_t slot = Items.size();
    std::size_t next = KeepSurvivors(Items, slot, survivors);
    auto inChapter = [&](std::size_t end) {
        return next < survivors.size() && survivors[next] < end;
    };
    for (int c = 1; c <= lastChapter; ++c) {
        const std::size_t end = slot + offered[c];
        THeldBank& bank = held[static_cast<std::size_t>(c)];
        if (bank.Held) {
            TByteReader in(bank.Bytes, QuestionBankName(c));
            for (; inChapter(end); ++next) {
                const auto [at, place] = bank.Wanted[survivors[next] - slot];
                in.Seek(at);
                Items.push_back(QuestionOfChapter(ReadQuestionFields(in), c, place));
            }
            bank = THeldBank();
        } else if (inChapter(end)) {
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
