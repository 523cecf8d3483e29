#include "core/review/study_log.h"
#include "core/review/study_log_schema.h"
#include "read_only_folder.h"
#include "temp_book_dir.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace quillara {
namespace {

namespace fs = std::filesystem;
using testing::TempBookDir;

// 2026-12-08T09:00:00Z
constexpr std::int64_t Morning = 1796720400;

TQuestion Asked(std::uint8_t kind, int chapter, int place, const std::string& text) {
    TQuestion question;
    question.Kind = kind;
    question.Chapter = static_cast<std::uint8_t>(chapter);
    question.Place = place;
    question.Text = text;
    question.Answer = kind == qkTrueFalse ? 'T' : 'A';
    return question;
}

TLoggedAnswer Answer(const TStudyItemKey& key, bool correct, std::int64_t atMs,
                     const std::string& attempt = "TF/MC Quiz from chapter 1") {
    return {key, correct, correct ? "T" : "F", "", 1500, attempt, Morning * 1000, atMs};
}

// Rows of a query, each as its columns joined with "|".
std::vector<std::string> Rows(const fs::path& file, const char* sql) {
    TSqlite db(file);
    TStatement query(db, sql);
    std::vector<std::string> rows;
    while (query.Step()) {
        std::string row;
        for (int i = 0; i < query.Columns(); ++i)
            row += (i ? "|" : "") + query.Text(i);
        rows.push_back(row);
    }
    return rows;
}

TEST(StudyLog, EveryKindOfAnswerIsLoggedAndScheduled) {
    TempBookDir folder;
    TStudyLog log(folder.Path(), Morning * 1000);
    EXPECT_TRUE(log.KeptAside().empty());
    const TStudyItemKey trueFalse = QuestionKey(Asked(qkTrueFalse, 1, 0, "Cells divide."));
    const TStudyItemKey choice = QuestionKey(Asked(qkMultipleChoice, 1, 3, "Which?"));
    TQuestion problem = Asked(qkWordProblem, 2, 1, "Save {a} a week.");
    problem.Formula = "{a}*52";
    const TStudyItemKey word = QuestionKey(problem);
    const TStudyItemKey term = TermKey(1, "Caf\xE9", "A place for coffee.");

    log.Record(Answer(trueFalse, true, Morning * 1000 + 250));
    log.Record(Answer(choice, false, Morning * 1000 + 2000));
    TLoggedAnswer typed = Answer(word, true, Morning * 1000 + 4000);
    typed.Answer = "1040";
    typed.Expected = "1040.00 (a = 20)";
    log.Record(typed);
    log.Record(Answer(term, false, Morning * 1000 + 6000));

    const fs::path file = folder.Path() / "study.sqlite";
    EXPECT_EQ(Rows(file, "PRAGMA user_version"), std::vector<std::string>{"1"});
    EXPECT_EQ(Rows(file, "PRAGMA journal_mode"), std::vector<std::string>{"wal"});
    EXPECT_EQ(Rows(file, "SELECT kind, chapter, ref, reps FROM items ORDER BY id"),
              (std::vector<std::string>{"truefalse|1|0|1", "multichoice|1|3|1", "wordproblem|2|1|1",
                                        "term|1|Caf\xC3\xA9|1"}));
    EXPECT_EQ(
        Rows(file, "SELECT reviewed_at, rating, correct, answer, expected, elapsed_ms, "
                   "attempt_started FROM reviews ORDER BY id"),
        (std::vector<std::string>{
            "2026-12-08T09:00:00.250Z|3|1|T||1500|2026-12-08T09:00:00.000Z",
            "2026-12-08T09:00:02.000Z|1|0|F||1500|2026-12-08T09:00:00.000Z",
            "2026-12-08T09:00:04.000Z|3|1|1040|1040.00 (a = 20)|1500|2026-12-08T09:00:00.000Z",
            "2026-12-08T09:00:06.000Z|1|0|F||1500|2026-12-08T09:00:00.000Z"}));

    // What falls due follows each item's schedule, the most overdue first.
    const auto dueNow = log.DueBy(Morning + 10);
    std::vector<std::string> due;
    for (const TStudyItem& item : log.DueBy(Morning + 400 * 86400)) {
        due.push_back(item.Key.Kind);
        EXPECT_GT(item.Memory.Reps, 0);
    }
    EXPECT_EQ(due.size(), 4u);
    EXPECT_LT(dueNow.size(), due.size());
    const auto next = log.NextDueAfter(Morning + 10);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(log.DueBy(*next).size(), dueNow.size() + 1);

    // The attempt recorded last, and what was missed in it, survive a new opening.
    TStudyLog again(folder.Path(), Morning * 1000);
    const auto last = again.LastAttempt();
    EXPECT_EQ(last.Description, "TF/MC Quiz from chapter 1");
    ASSERT_EQ(last.Missed.size(), 2u);
    EXPECT_EQ(last.Missed[0].Ref, "3");
    EXPECT_EQ(last.Missed[0].Fingerprint, choice.Fingerprint);
    EXPECT_EQ(last.Missed[1].Ref, "Caf\xE9");

    // An edited question is another item: what was known of the old text does not carry over.
    log.Record(Answer(QuestionKey(Asked(qkTrueFalse, 1, 0, "Cells divide in two.")), true,
                      Morning * 1000 + 9000, "True False Quiz from chapter 1"));
    EXPECT_EQ(Rows(file, "SELECT count(*) FROM items WHERE ref = '0'"),
              std::vector<std::string>{"2"});
}

TEST(StudyLog, ALogThatCannotBeUsedIsKeptAsideAndAFreshOneBegun) {
    const struct {
        const char* Name;
        std::function<void(const fs::path&)> Spoil;
    } cases[] = {
        {"not a database",
         [](const fs::path& file) { std::ofstream(file) << std::string(4096, 'x'); }},
        {"a later version",
         [](const fs::path& file) {
             TSqlite db(file);
             db.Exec("PRAGMA user_version = 99");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TempBookDir folder;
        c.Spoil(folder.Path() / "study.sqlite");
        TStudyLog log(folder.Path(), Morning * 1000);
        EXPECT_EQ(log.KeptAside(), folder.Path() / "study.sqlite.damaged-20261208-090000");
        EXPECT_TRUE(fs::exists(log.KeptAside()));
        log.Record(Answer(QuestionKey(Asked(qkTrueFalse, 1, 0, "A")), true, Morning * 1000));
        EXPECT_EQ(log.LastAttempt().Description, "TF/MC Quiz from chapter 1");
    }
}

TEST(StudyLog, AFolderThatRefusesALogRaisesAndTwoWritersBothKeepEveryAnswer) {
    TempBookDir shut;
    {
        testing::ReadOnlyFolder readOnly(shut.Path());
        if (readOnly.Refuses()) {
            try {
                TStudyLog log(shut.Path(), Morning * 1000);
                ADD_FAILURE() << "a log was opened in a folder that refuses files";
            } catch (const TSqliteError& e) {
                EXPECT_FALSE(e.Damaged()) << e.what();
            }
        }
    }
    EXPECT_FALSE(fs::exists(shut.Path() / "study.sqlite.damaged-20261208-090000"));

    TempBookDir shared;
    TStudyLog first(shared.Path(), Morning * 1000);
    TStudyLog second(shared.Path(), Morning * 1000);
    for (int i = 0; i < 20; ++i) {
        TStudyLog& log = i % 2 ? second : first;
        log.Record(Answer(QuestionKey(Asked(qkTrueFalse, 1, i % 5, "Q")), i % 3 != 0,
                          Morning * 1000 + i * 1000));
    }
    EXPECT_EQ(Rows(shared.Path() / "study.sqlite", "SELECT count(*), sum(correct) FROM reviews"),
              std::vector<std::string>{"20|13"});
    EXPECT_EQ(Rows(shared.Path() / "study.sqlite", "SELECT sum(reps) FROM items"),
              std::vector<std::string>{"20"});
}

TEST(StudyLog, TimesAreWrittenInUtcAndReadBack) {
    EXPECT_EQ(IsoTime(Morning), "2026-12-08T09:00:00Z");
    EXPECT_EQ(IsoTimeMs(Morning * 1000 - 1), "2026-12-08T08:59:59.999Z");
    EXPECT_EQ(UnixTime("2026-12-08T09:00:00Z"), Morning);
    EXPECT_EQ(UnixTime(IsoTimeMs(Morning * 1000 + 999)), Morning);
    EXPECT_EQ(UnixTime(""), 0);
    EXPECT_EQ(UnixTime("yesterday"), 0);
}

} // namespace
} // namespace quillara
