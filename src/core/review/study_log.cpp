#include "core/review/study_log.h"

#include "core/review/study_log_schema.h"
#include "core/text/windows1252.h"

#include <cstdio>
#include <ctime>
#include <sqlite3.h>

namespace quillara {

namespace fs = std::filesystem;

namespace {

// FNV-1a: a few bytes that change whenever the text or answer of a question does.
class TFingerprint {
public:
    TFingerprint& Add(std::string_view bytes) {
        for (unsigned char c : bytes)
            Hash = (Hash ^ c) * 1099511628211ull;
        Hash = (Hash ^ 0xff) * 1099511628211ull; // where one field ends and the next begins
        return *this;
    }
    std::string Text() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(Hash));
        return text;
    }

private:
    std::uint64_t Hash = 14695981039346656037ull;
};

const char* KindName(std::uint8_t kind) {
    switch (kind) {
    case qkTrueFalse:
        return "truefalse";
    case qkWordProblem:
        return "wordproblem";
    default:
        return "multichoice";
    }
}

std::string FormatUtc(std::int64_t unixSeconds, const char* format) {
    const std::time_t time = static_cast<std::time_t>(unixSeconds);
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[40];
    std::strftime(text, sizeof text, format, &utc);
    return text;
}

// Seconds and milliseconds of a time in Unix milliseconds, whole seconds rounded down.
std::int64_t FloorDiv(std::int64_t value, std::int64_t by) {
    return value / by - (value % by < 0 ? 1 : 0);
}

} // namespace

TStudyItemKey QuestionKey(const TQuestion& question) {
    if (!question.Term.empty())
        return TermKey(question.Chapter, question.Term, question.TermDefinition);
    TFingerprint print;
    print.Add(KindName(question.Kind)).Add(question.Text).Add(std::string(1, question.Answer));
    if (question.Kind == qkWordProblem) {
        char roundTo[32];
        std::snprintf(roundTo, sizeof roundTo, "%.6Lg", question.RoundTo);
        print.Add(question.Formula).Add(roundTo);
    }
    return {KindName(question.Kind), question.Chapter, std::to_string(question.Place),
            print.Text()};
}

TStudyItemKey TermKey(int chapter, std::string_view term, std::string_view definition) {
    return {"term", chapter, std::string(term), TFingerprint().Add(term).Add(definition).Text()};
}

std::string IsoTime(std::int64_t unixSeconds) {
    return FormatUtc(unixSeconds, "%Y-%m-%dT%H:%M:%SZ");
}

std::string IsoTimeMs(std::int64_t unixMs) {
    const std::string seconds = FormatUtc(FloorDiv(unixMs, 1000), "%Y-%m-%dT%H:%M:%S");
    char millis[8];
    std::snprintf(millis, sizeof millis, ".%03dZ",
                  static_cast<int>(unixMs - FloorDiv(unixMs, 1000) * 1000));
    return seconds + millis;
}

std::int64_t UnixTime(const std::string& iso) {
    std::tm utc{};
    if (iso.size() < 19 || !strptime(iso.c_str(), "%Y-%m-%dT%H:%M:%S", &utc)) return 0;
    return static_cast<std::int64_t>(timegm(&utc));
}

TStudyLog::TStudyLog(const fs::path& folder, std::int64_t nowMs, const TSchedulerSettings& settings)
    : File(folder / FileName), Settings(settings) {
    try {
        Open(nowMs);
    } catch (const TNewerStudyLog&) {
        KeepAside(nowMs);
    } catch (const TSqliteError& e) {
        if (!e.Damaged()) throw;
        KeepAside(nowMs);
    }
}

TStudyLog::~TStudyLog() = default;

void TStudyLog::Open(std::int64_t) {
    Db = std::make_unique<TSqlite>(File);
    // A second window on the book waits for the first's answer to be written.
    Db->Exec("PRAGMA busy_timeout = 5000");
    Db->Exec("PRAGMA journal_mode = WAL");
    Db->Exec("PRAGMA synchronous = FULL");
    Db->Exec("PRAGMA foreign_keys = ON");
    CreateOrMigrateStudyLog(*Db);
    Prepare();
}

// The log that could not be used is kept for whoever may mend it, with what SQLite kept beside
// it, and a new one begun.
void TStudyLog::KeepAside(std::int64_t nowMs) {
    FindItem.reset(), AddItem.reset(), SetItem.reset(), AddReview.reset(), Due.reset();
    NextDue.reset(), LastStarted.reset(), MissedIn.reset(), AllItems.reset(), AnsweredAfter.reset();
    Db.reset();
    Aside = File;
    Aside += FormatUtc(FloorDiv(nowMs, 1000), ".damaged-%Y%m%d-%H%M%S");
    std::error_code error;
    fs::rename(File, Aside, error);
    if (error) throw TSqliteError(SQLITE_CANTOPEN, File.string() + ": " + error.message());
    for (const char* part : {"-wal", "-shm"}) {
        fs::path beside = File, kept = Aside;
        beside += part;
        kept += part;
        fs::rename(beside, kept, error);
    }
    Open(nowMs);
}

void TStudyLog::Prepare() {
    FindItem = std::make_unique<TStatement>(
        *Db, "SELECT id, stability, difficulty, state, due, last_review, reps, lapses FROM items "
             "WHERE kind = ?1 AND chapter = ?2 AND ref = ?3 AND fingerprint = ?4");
    AddItem = std::make_unique<TStatement>(
        *Db, "INSERT INTO items(kind, chapter, ref, fingerprint) VALUES (?1, ?2, ?3, ?4)");
    SetItem = std::make_unique<TStatement>(
        *Db, "UPDATE items SET stability = ?1, difficulty = ?2, state = ?3, due = ?4, "
             "last_review = ?5, reps = ?6, lapses = ?7 WHERE id = ?8");
    AddReview = std::make_unique<TStatement>(
        *Db, "INSERT INTO reviews(item, reviewed_at, rating, correct, answer, expected, "
             "elapsed_ms, attempt, attempt_started) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    AllItems = std::make_unique<TStatement>(
        *Db, "SELECT kind, chapter, ref, fingerprint, stability, difficulty, state, due, "
             "last_review, reps, lapses FROM items ORDER BY id");
    AnsweredAfter = std::make_unique<TStatement>(
        *Db, "SELECT reviewed_at FROM reviews WHERE reviewed_at >= ?1 ORDER BY reviewed_at");
    Due = std::make_unique<TStatement>(
        *Db, "SELECT kind, chapter, ref, fingerprint, stability, difficulty, state, due, "
             "last_review, reps, lapses FROM items WHERE due <= ?1 ORDER BY due, id");
    NextDue = std::make_unique<TStatement>(*Db, "SELECT min(due) FROM items WHERE due > ?1");
    LastStarted = std::make_unique<TStatement>(*Db, "SELECT max(attempt_started) FROM reviews");
    MissedIn = std::make_unique<TStatement>(
        *Db, "SELECT i.kind, i.chapter, i.ref, i.fingerprint, r.attempt, r.correct FROM reviews r "
             "JOIN items i ON i.id = r.item WHERE r.attempt_started = ?1 ORDER BY r.id");
}

void TStudyLog::Record(const TLoggedAnswer& answer) {
    const TStudyItemKey& key = answer.Key;
    const std::string ref = Windows1252ToUtf8(key.Ref);
    TTransaction transaction(*Db);
    TMemoryState memory;
    std::int64_t id = 0;
    FindItem->Bind(key.Kind, key.Chapter, ref, key.Fingerprint);
    if (FindItem->Step()) {
        id = FindItem->Int(0);
        memory = {FindItem->Real(1),
                  FindItem->Real(2),
                  static_cast<TCardState>(FindItem->Int(3)),
                  UnixTime(FindItem->Text(4)),
                  UnixTime(FindItem->Text(5)),
                  static_cast<int>(FindItem->Int(6)),
                  static_cast<int>(FindItem->Int(7))};
        FindItem->Reset();
    } else {
        AddItem->Bind(key.Kind, key.Chapter, ref, key.Fingerprint).Run();
        id = sqlite3_last_insert_rowid(Db->Handle());
    }
    const TRating rating = answer.Correct ? TRating::Good : TRating::Again;
    const TMemoryState after =
        Schedule(memory, rating, FloorDiv(answer.AnsweredAtMs, 1000), Settings);
    SetItem
        ->Bind(after.Stability, after.Difficulty, static_cast<int>(after.State), IsoTime(after.Due),
               IsoTime(after.LastReview), after.Reps, after.Lapses, id)
        .Run();
    const auto expected =
        answer.Expected.empty() ? std::optional<std::string>() : Windows1252ToUtf8(answer.Expected);
    AddReview->Bind(id, IsoTimeMs(answer.AnsweredAtMs), static_cast<int>(rating),
                    answer.Correct ? 1 : 0, Windows1252ToUtf8(answer.Answer), expected,
                    answer.ElapsedMs, Windows1252ToUtf8(answer.Attempt),
                    IsoTimeMs(answer.AttemptStartedMs));
    AddReview->Run();
    transaction.Commit();
}

namespace {

TStudyItemKey KeyOfRow(const TStatement& row) {
    return {row.Text(0), static_cast<int>(row.Int(1)), Utf8ToWindows1252(row.Text(2)), row.Text(3)};
}

} // namespace

namespace {

// The items a query of items' columns, from kind to lapses, gives.
std::vector<TStudyItem> ItemsOf(TStatement& rows) {
    std::vector<TStudyItem> items;
    while (rows.Step())
        items.push_back({KeyOfRow(rows),
                         {rows.Real(4), rows.Real(5), static_cast<TCardState>(rows.Int(6)),
                          UnixTime(rows.Text(7)), UnixTime(rows.Text(8)),
                          static_cast<int>(rows.Int(9)), static_cast<int>(rows.Int(10))}});
    return items;
}

} // namespace

std::vector<TStudyItem> TStudyLog::DueBy(std::int64_t unixSeconds) {
    Due->Bind(IsoTime(unixSeconds));
    return ItemsOf(*Due);
}

std::vector<TStudyItem> TStudyLog::Items() {
    AllItems->Bind();
    return ItemsOf(*AllItems);
}

std::vector<std::int64_t> TStudyLog::AnsweredSince(std::int64_t unixSeconds) {
    std::vector<std::int64_t> times;
    AnsweredAfter->Bind(IsoTime(unixSeconds));
    while (AnsweredAfter->Step())
        times.push_back(UnixTime(AnsweredAfter->Text(0)));
    return times;
}

std::optional<std::int64_t> TStudyLog::NextDueAfter(std::int64_t unixSeconds) {
    NextDue->Bind(IsoTime(unixSeconds));
    if (!NextDue->Step() || NextDue->IsNull(0)) return std::nullopt;
    return UnixTime(NextDue->Text(0));
}

TStudyLog::TLastAttempt TStudyLog::LastAttempt() {
    TLastAttempt last;
    LastStarted->Bind();
    if (!LastStarted->Step() || LastStarted->IsNull(0)) return last;
    MissedIn->Bind(LastStarted->Text(0));
    while (MissedIn->Step()) {
        last.Description = Utf8ToWindows1252(MissedIn->Text(4));
        if (MissedIn->Int(5) == 0) last.Missed.push_back(KeyOfRow(*MissedIn));
    }
    return last;
}

} // namespace quillara
