#pragma once

#include "core/book/question.h"
#include "core/review/scheduler.h"
#include "core/review/sqlite.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillara {

// A question or glossary term the student has met, as the log names it: its kind ("truefalse",
// "multichoice", "wordproblem", "term"), its chapter, its place in its bank (or the term), and
// a fingerprint of its text and answer, so that an edited question starts afresh.
struct TStudyItemKey {
    std::string Kind;
    int Chapter = 0;
    std::string Ref;
    std::string Fingerprint;
};

// The key of a question read from its chapter's bank (its Place set), or of a review's question
// on a glossary term (its Term set).
TStudyItemKey QuestionKey(const TQuestion& question);
// The key of a glossary term of a matching quiz; the term and its definition in the book's
// encoding.
TStudyItemKey TermKey(int chapter, std::string_view term, std::string_view definition);

struct TStudyItem {
    TStudyItemKey Key;
    TMemoryState Memory;
};

// One answer, the first given to a question in an attempt (a second try of a wrong choice is
// not a memory of the question). Texts in the book's encoding; times in Unix milliseconds.
struct TLoggedAnswer {
    TStudyItemKey Key;
    bool Correct = false;
    std::string Answer;
    // A word problem's expected value with the values drawn for it; empty for other kinds.
    std::string Expected;
    std::int64_t ElapsedMs = 0;
    std::string Attempt;
    std::int64_t AttemptStartedMs = 0;
    std::int64_t AnsweredAtMs = 0;
};

// "2026-12-08T09:30:00Z", and with milliseconds "2026-12-08T09:30:00.250Z": the log's times,
// UTC, which sort as they compare.
std::string IsoTime(std::int64_t unixSeconds);
std::string IsoTimeMs(std::int64_t unixMs);
// Unix seconds of a time the log wrote; 0 for an empty or unreadable one.
std::int64_t UnixTime(const std::string& iso);

// What the student has answered in one book, kept in `study.sqlite` beside the book's score
// file: every answer in a transaction of its own (so that a crash loses at most the answer being
// given), and each question's memory and schedule, updated as it is answered. Two windows on
// one book share it; the second waits its turn.
class TStudyLog {
public:
    static constexpr const char* FileName = "study.sqlite";

    // Opens the log in the folder, making it or bringing it up to this version. A file that is
    // no log, is damaged, or was written by a later version is kept beside it under a dated name
    // (KeptAside) and a new log is begun. Raises TSqliteError when the folder cannot hold a log.
    TStudyLog(const std::filesystem::path& folder, std::int64_t nowMs,
              const TSchedulerSettings& settings = {});
    ~TStudyLog();

    // Where a log that could not be used was kept; empty when none was.
    const std::filesystem::path& KeptAside() const { return Aside; }
    const std::filesystem::path& Path() const { return File; }

    // Records the answer and schedules its item, all or nothing; raises TSqliteError.
    void Record(const TLoggedAnswer& answer);
    // The items due by the time, the most overdue first.
    std::vector<TStudyItem> DueBy(std::int64_t unixSeconds);
    // When the next item falls due after the time; none when nothing is scheduled.
    std::optional<std::int64_t> NextDueAfter(std::int64_t unixSeconds);
    // Every item met, in the order first met.
    std::vector<TStudyItem> Items();
    // When each answer since the time was given, in Unix seconds, oldest first.
    std::vector<std::int64_t> AnsweredSince(std::int64_t unixSeconds);
    // The attempt recorded last, and the items whose first answer in it was wrong.
    struct TLastAttempt {
        std::string Description;
        std::vector<TStudyItemKey> Missed;
    };
    TLastAttempt LastAttempt();

private:
    void Open(std::int64_t nowMs);
    void KeepAside(std::int64_t nowMs);
    void Prepare();

    std::filesystem::path File;
    std::filesystem::path Aside;
    TSchedulerSettings Settings;
    std::unique_ptr<TSqlite> Db;
    std::unique_ptr<TStatement> FindItem, AddItem, SetItem, AddReview, Due, NextDue, LastStarted,
        MissedIn, AllItems, AnsweredAfter;
};

} // namespace quillara
