#include "core/review/study_log_schema.h"

#include <string>

namespace quillara {

namespace {

// Each step takes a log from the version before it to its own; a new version adds a step.
const char* const Steps[StudyLogVersion] = {
    // 1: the questions and terms met, each with its memory and schedule, and every answer.
    R"(CREATE TABLE items(
           id INTEGER PRIMARY KEY,
           kind TEXT NOT NULL CHECK (kind IN ('truefalse', 'multichoice', 'wordproblem', 'term')),
           chapter INTEGER NOT NULL,
           ref TEXT NOT NULL,
           fingerprint TEXT NOT NULL,
           stability REAL NOT NULL DEFAULT 0,
           difficulty REAL NOT NULL DEFAULT 0,
           state INTEGER NOT NULL DEFAULT 0,
           due TEXT,
           last_review TEXT,
           reps INTEGER NOT NULL DEFAULT 0,
           lapses INTEGER NOT NULL DEFAULT 0,
           UNIQUE (kind, chapter, ref, fingerprint));
       CREATE INDEX items_due ON items(due);
       CREATE TABLE reviews(
           id INTEGER PRIMARY KEY,
           item INTEGER NOT NULL REFERENCES items(id),
           reviewed_at TEXT NOT NULL,
           rating INTEGER NOT NULL,
           correct INTEGER NOT NULL,
           answer TEXT NOT NULL,
           expected TEXT,
           elapsed_ms INTEGER,
           attempt TEXT NOT NULL,
           attempt_started TEXT NOT NULL);
       CREATE INDEX reviews_item ON reviews(item);
       CREATE INDEX reviews_attempt ON reviews(attempt_started);)",
};

int UserVersion(TSqlite& db) {
    TStatement version(db, "PRAGMA user_version");
    return version.Step() ? static_cast<int>(version.Int(0)) : 0;
}

} // namespace

void CreateOrMigrateStudyLog(TSqlite& db) {
    TTransaction transaction(db);
    const int found = UserVersion(db);
    if (found > StudyLogVersion)
        throw TNewerStudyLog("the study log is of version " + std::to_string(found) +
                             ", newer than this program's " + std::to_string(StudyLogVersion));
    for (int step = found; step < StudyLogVersion; ++step)
        db.Exec(Steps[step]);
    if (found != StudyLogVersion)
        db.Exec(("PRAGMA user_version = " + std::to_string(StudyLogVersion)).c_str());
    transaction.Commit();
}

} // namespace quillara
