#include "core/io/book_errors.h"
#include "core/quiz/question_set.h"
#include "scripted_random.h"
#include "temp_book_dir.h"

#include <gtest/gtest.h>

namespace quillara {
namespace {

using testing::ScriptedRandom;
using testing::TempBookDir;

const TKindSet TrueFalse = MakeByteSet({qkTrueFalse});
const TKindSet Mixed = MakeByteSet({qkMultipleChoice, qkTrueFalse});

TQuestion Question(std::string text, std::uint8_t kind = qkTrueFalse, std::uint8_t version = 2) {
    TQuestion q;
    q.Text = std::move(text);
    q.Kind = kind;
    q.Answer = kind == qkTrueFalse ? 'T' : 'A';
    q.RecordVersion = version;
    if (kind == qkWordProblem) q.Formula = "x*2";
    return q;
}

// n questions named prefix1..prefixN, alternating record versions.
std::vector<TQuestion> Numbered(const std::string& prefix, int n, std::uint8_t kind) {
    std::vector<TQuestion> questions;
    for (int i = 1; i <= n; ++i)
        questions.push_back(Question(prefix + std::to_string(i), kind, i % 2 ? 1 : 2));
    return questions;
}

void WriteBank(const TempBookDir& dir, int chapter, const std::vector<TQuestion>& questions) {
    dir.Write(QuestionBankName(chapter), WriteQuestionBank(questions));
}

std::vector<std::string> Texts(const TTest& test) {
    std::vector<std::string> texts;
    for (const TQuestion& q : test.Questions())
        texts.push_back(q.Text + "@" + std::to_string(q.Chapter));
    return texts;
}

// Seeded draws that remember every n asked, installed as the program's generator.
class RecordingRandom : public TRandomSource {
public:
    explicit RecordingRandom(std::uint64_t seed) : Seeded(seed) { SetProgramRandom(this); }
    ~RecordingRandom() override { SetProgramRandom(nullptr); }
    std::uint32_t uniform(std::uint32_t n) override {
        Asked.push_back(n);
        return Seeded.uniform(n);
    }
    std::vector<std::uint32_t> Asked;

private:
    TSeededRandom Seeded;
};

TEST(QuestionSet, TitleNamesRunsOfChosenChaptersWithinTheBook) {
    const TempBookDir dir; // no banks: chapters count towards the title all the same
    const ScriptedRandom random;
    const struct {
        int chapterCount;
        TChapterSet chapters;
        std::string title;
    } cases[] = {
        {7, MakeByteSet({1, 3, 4, 5, 7}), "Test from chapters 1, 3-5, 7"},
        {5, MakeByteSet({2, 3}), "Test from chapters 2-3"},
        {5, MakeByteSet({1, 2, 3, 5}), "Test from chapters 1-3, 5"},
        {4, MakeByteSet({0, 1, 2, 3, 4}), "Test from chapters 1-4"},
        {3, MakeByteSet({3}), "Test from chapter 3"},
        {3, MakeByteSet({2, 4, 200}), "Test from chapter 2"},
        {300, MakeByteSet({254, 255}), "Test from chapters 254-255"},
    };
    for (const auto& c : cases) {
        TTest test;
        EXPECT_EQ(test.BuildSet(dir.Path(), c.chapterCount, Mixed, "Test", 10, c.chapters),
                  c.title);
        EXPECT_EQ(test.Count(), 0u);
    }
    EXPECT_TRUE(random.Asked.empty());
}

TEST(QuestionSet, BuildSetTrimsAllChaptersTogetherBeforeShuffling) {
    const TempBookDir dir;
    WriteBank(dir, 1,
              {Question("a1"), Question("m1", qkMultipleChoice), Question("a2"), Question("a3")});
    WriteBank(dir, 2, {Question("b1"), Question("b2")});
    // Trim [a1 a2 a3 b1 b2]: drop index 1, then 3. Shuffle [a1 a3 b1]: i=0 redraws 0 and swaps
    // with 2, i=1 redraws 1 and swaps with 0, i=2 swaps with 1.
    const ScriptedRandom random({1, 3, 0, 2, 1, 0, 1});
    TTest test;
    test.NumCorrect = 4;
    test.NumIncorrect = 2;
    EXPECT_EQ(test.BuildSet(dir.Path(), 2, TrueFalse, "TF", 3, MakeByteSet({1, 2})),
              "TF from chapters 1-2");
    EXPECT_EQ(random.Asked, (std::vector<std::uint32_t>{5, 4, 3, 3, 3, 3, 3}));
    EXPECT_EQ(Texts(test), (std::vector<std::string>{"a3@1", "a1@1", "b1@2"}));
    EXPECT_EQ(test.Position, 1);
    EXPECT_EQ(test.NumCorrect, 0);
    EXPECT_EQ(test.NumIncorrect, 0);
    ASSERT_NE(test.CurrentQuestion(), nullptr);
    EXPECT_EQ(test.CurrentQuestion()->Text, "a3");
}

TEST(QuestionSet, ShuffleSwapsEveryIndexSoAPairEndsInItsInitialOrder) {
    for (const auto& script : {std::vector<std::uint32_t>{1, 0}, {0, 0, 1, 1, 1, 0}}) {
        TTest test;
        test.Add(Question("p"));
        test.Add(Question("q"));
        const ScriptedRandom random(script);
        test.Shuffle();
        EXPECT_EQ(Texts(test), (std::vector<std::string>{"p@0", "q@0"}));
        EXPECT_EQ(random.Asked, std::vector<std::uint32_t>(script.size(), 2));
    }
    TTest single;
    single.Add(Question("p"));
    const ScriptedRandom random;
    single.Shuffle();
    EXPECT_TRUE(random.Asked.empty());
}

TEST(QuestionSet, TrimToDrawsAndKeepsAsRemovingOneRandomIndexAtATime) {
    for (int n : {1, 2, 3, 17, 64, 130, 1500}) {
        for (int size : {-2, 0, 1, 10, n / 2, n - 1, n, n + 3}) {
            const auto seed = static_cast<std::uint64_t>(n * 1000 + size + 2);
            TTest test;
            std::vector<std::string> expected;
            for (int i = 0; i < n; ++i) {
                test.Add(Question(std::to_string(i)));
                expected.push_back(std::to_string(i) + "@0");
            }
            RecordingRandom naive(seed);
            while (expected.size() > static_cast<std::size_t>(std::max(size, 0)))
                expected.erase(expected.begin() +
                               naive.uniform(static_cast<std::uint32_t>(expected.size())));
            RecordingRandom random(seed);
            test.TrimTo(size);
            EXPECT_EQ(Texts(test), expected) << n << " to " << size;
            EXPECT_EQ(random.Asked, naive.Asked) << n << " to " << size;
        }
    }
}

TEST(QuestionSet, BuildSetMatchesLoadingEveryChapterThenTrimmingAndShuffling) {
    const TempBookDir dir;
    std::vector<TQuestion> mixed = Numbered("c1-", 30, qkTrueFalse);
    for (TQuestion& q : Numbered("c1m-", 20, qkMultipleChoice))
        mixed.insert(mixed.begin() + 7, q);
    WriteBank(dir, 1, mixed);
    std::vector<TQuestion> third = Numbered("c3w-", 3, qkWordProblem);
    for (TQuestion& q : Numbered("c3-", 5, qkTrueFalse))
        third.push_back(q);
    WriteBank(dir, 3, third);
    WriteBank(dir, 4, Numbered("c4-", 70, qkMultipleChoice));
    WriteBank(dir, 5, {});
    WriteBank(dir, 6, Numbered("c6-", 64, qkTrueFalse)); // beyond the book's five chapters
    const TChapterSet chapters = MakeByteSet({1, 2, 3, 4, 5, 6});

    for (const TKindSet& kinds : {TrueFalse, Mixed}) {
        for (int size : {0, 1, 10, 100, 500}) {
            for (bool held : {false, true}) {
                const auto seed = static_cast<std::uint64_t>(size * 4 + kinds.count() * 2 + held);
                TTest expected;
                if (held) expected.Add(Question("held"));
                RecordingRandom reference(seed);
                for (int c = 1; c <= 5; ++c)
                    expected.LoadChapter(dir.Path(), c, kinds);
                if (size > 0) expected.TrimTo(size);
                if (expected.Count() > 0) expected.Shuffle();

                TTest test;
                if (held) test.Add(Question("held"));
                RecordingRandom random(seed);
                test.BuildSet(dir.Path(), 5, kinds, "Test", size, chapters);
                EXPECT_EQ(Texts(test), Texts(expected)) << size;
                EXPECT_EQ(random.Asked, reference.Asked) << size;
                EXPECT_EQ(test.Position, expected.Position);
            }
        }
    }
}

TEST(QuestionSet, LoadChapterResetsCountsAndSetsPositionOnlyForABank) {
    const TempBookDir dir;
    dir.Write("question.3", WriteQuestionBank({Question("x"), Question("y")}));
    WriteBank(dir, 2, {});
    dir.Write("QUESTION.4", std::string("\xFF\xFF", 2)); // a negative count holds nothing

    TTest test;
    test.Position = 5;
    test.NumCorrect = 3;
    test.NumIncorrect = 2;
    test.LoadChapter(dir.Path(), 1, Mixed);
    EXPECT_EQ(test.Position, 5);
    EXPECT_EQ(test.NumCorrect + test.NumIncorrect, 0);
    for (int chapter : {2, 4}) {
        test.Position = 0;
        test.NumCorrect = 1;
        test.LoadChapter(dir.Path(), chapter, Mixed);
        EXPECT_EQ(test.Position, 1);
        EXPECT_EQ(test.NumCorrect, 0);
    }
    test.LoadChapter(dir.Path(), 3, Mixed);
    EXPECT_EQ(Texts(test), (std::vector<std::string>{"x@3", "y@3"}));

    const std::vector<std::pair<int, const char*>> current = {
        {-1, nullptr}, {0, nullptr}, {1, "x"}, {2, "y"}, {3, nullptr}};
    for (auto [position, text] : current) {
        test.Position = static_cast<std::int16_t>(position);
        const TQuestion* q = test.CurrentQuestion();
        EXPECT_STREQ(q ? q->Text.c_str() : nullptr, text) << position;
    }
    test.Clear();
    EXPECT_EQ(test.Count(), 0u);
    EXPECT_EQ(test.Position, 3);
}

TEST(QuestionSet, LoadChapterKeepsWantedKindsOfBothRecordVersionsInFileOrder) {
    const TempBookDir dir;
    TQuestion newWord = Question("w2", qkWordProblem, 2);
    newWord.RoundTo = 2;
    WriteBank(dir, 9,
              {Question("t1", qkTrueFalse, 1), Question("m2", qkMultipleChoice, 2), newWord,
               Question("w1", qkWordProblem, 1), Question("odd", 7, 2), Question("t2")});

    TTest test;
    test.LoadChapter(dir.Path(), 9, Mixed);
    EXPECT_EQ(Texts(test), (std::vector<std::string>{"t1@9", "m2@9", "t2@9"}));
    test.Clear();
    test.LoadChapter(dir.Path(), 9, MakeByteSet({qkWordProblem}));
    EXPECT_EQ(Texts(test), (std::vector<std::string>{"w2@9", "w1@9"}));
    EXPECT_EQ(test.Questions()[0].RoundTo, 2);
    EXPECT_EQ(test.Questions()[1].RoundTo, 0);
    EXPECT_EQ(test.Questions()[1].Formula, "x*2");
}

TEST(QuestionSet, QuizzesKeepNoMoreThanTheChosenChaptersOffer) {
    const TempBookDir dir;
    std::vector<TQuestion> first = Numbered("m", 12, qkMultipleChoice);
    for (TQuestion& q : Numbered("t", 25, qkTrueFalse))
        first.push_back(q);
    WriteBank(dir, 1, first);
    WriteBank(dir, 2, Numbered("s", 7, qkTrueFalse));
    WriteBank(dir, 3, Numbered("u", 33, qkTrueFalse));

    const RecordingRandom random(7);
    TTest quiz, small, test;
    quiz.BuildSet(dir.Path(), 3, TrueFalse, "Quiz", 10, MakeByteSet({1}));
    small.BuildSet(dir.Path(), 3, TrueFalse, "Quiz", 10, MakeByteSet({2}));
    test.BuildSet(dir.Path(), 3, Mixed, "Test", 100, MakeByteSet({2, 3}));
    EXPECT_EQ(quiz.Count(), 10u);
    for (const TQuestion& q : quiz.Questions())
        EXPECT_EQ(q.Text[0], 't');
    EXPECT_EQ(small.Count(), 7u);
    EXPECT_EQ(test.Count(), 40u);
}

TEST(QuestionSet, AFailingBankStopsTheBuildWithItsError) {
    const TempBookDir dir;
    WriteBank(dir, 1, Numbered("a", 4, qkTrueFalse));
    WriteBank(dir, 2, {Question("b1"), Question("b2", qkTrueFalse, 3)});
    std::string claimsMore = WriteQuestionBank(Numbered("c", 3, qkTrueFalse));
    claimsMore[0] = '\xFF';
    claimsMore[1] = '\x7F'; // 32767 records said, 3 there
    dir.Write("QUESTION.3", claimsMore);
    dir.Write("QUESTION.4", "");

    const ScriptedRandom random;
    TTest test;
    EXPECT_THROW(test.BuildSet(dir.Path(), 4, Mixed, "T", 10, MakeByteSet({1, 2})), TVersionError);
    EXPECT_EQ(test.Count(), 0u);
    for (int chapter : {3, 4}) {
        try {
            test.BuildSet(dir.Path(), 4, Mixed, "T", 10, MakeByteSet({chapter}));
            ADD_FAILURE() << "chapter " << chapter << " loaded";
        } catch (const TTruncatedFileError& e) {
            EXPECT_NE(std::string(e.what()).find(QuestionBankName(chapter)), std::string::npos);
        }
    }
    EXPECT_TRUE(random.Asked.empty());
    // Loaded one chapter at a time, what was read before the failure stays.
    EXPECT_THROW(test.LoadChapter(dir.Path(), 3, Mixed), TTruncatedFileError);
    EXPECT_EQ(Texts(test), (std::vector<std::string>{"c1@3", "c2@3", "c3@3"}));
}

} // namespace
} // namespace quillara
