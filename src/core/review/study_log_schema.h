#pragma once

#include "core/review/sqlite.h"

namespace quillara {

// The version of the study log's tables this program writes (PRAGMA user_version).
constexpr int StudyLogVersion = 1;

// A log written by a later version of the program: its tables may mean what this one cannot.
class TNewerStudyLog : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Makes the tables of a new log, or brings those of an older version up to this one, in one
// transaction. Raises TNewerStudyLog for a log of a later version, leaving it as it is.
void CreateOrMigrateStudyLog(TSqlite& db);

} // namespace quillara
