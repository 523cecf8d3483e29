#include "core/review/sqlite.h"

#include <sqlite3.h>

namespace quillara {

TSqliteError::TSqliteError(int code, const std::string& message)
    : std::runtime_error(message), ErrorCode(code) {}

bool TSqliteError::Damaged() const {
    const int primary = ErrorCode & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

TSqlite::TSqlite(const std::filesystem::path& path) {
    const int code = sqlite3_open_v2(path.c_str(), &Db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE |
                                         SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_FULLMUTEX,
                                     nullptr);
    if (code != SQLITE_OK) {
        const std::string message = Db ? sqlite3_errmsg(Db) : sqlite3_errstr(code);
        sqlite3_close(Db);
        Db = nullptr;
        throw TSqliteError(code, path.string() + ": " + message);
    }
    sqlite3_extended_result_codes(Db, 1);
}

TSqlite::~TSqlite() {
    sqlite3_close_v2(Db);
}

void TSqlite::Exec(const char* sql) {
    const int code = sqlite3_exec(Db, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) Fail(code);
}

void TSqlite::Fail(int code) const {
    throw TSqliteError(code, sqlite3_errmsg(Db));
}

TStatement::TStatement(TSqlite& db, std::string_view sql) : Db(db) {
    const int code = sqlite3_prepare_v3(db.Handle(), sql.data(), static_cast<int>(sql.size()),
                                        SQLITE_PREPARE_PERSISTENT, &Statement, nullptr);
    if (code != SQLITE_OK) db.Fail(code);
}

TStatement::~TStatement() {
    sqlite3_finalize(Statement);
}

void TStatement::Reset() {
    sqlite3_reset(Statement);
    sqlite3_clear_bindings(Statement);
}

bool TStatement::Step() {
    const int code = sqlite3_step(Statement);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    sqlite3_reset(Statement);
    Db.Fail(code);
}

void TStatement::BindOne(int index, std::int64_t value) {
    sqlite3_bind_int64(Statement, index, value);
}

void TStatement::BindOne(int index, double value) {
    sqlite3_bind_double(Statement, index, value);
}

void TStatement::BindOne(int index, std::string_view value) {
    sqlite3_bind_text64(Statement, index, value.data(), value.size(), SQLITE_TRANSIENT,
                        SQLITE_UTF8);
}

void TStatement::BindOne(int index, std::nullopt_t) {
    sqlite3_bind_null(Statement, index);
}

std::int64_t TStatement::Int(int column) const {
    return sqlite3_column_int64(Statement, column);
}

double TStatement::Real(int column) const {
    return sqlite3_column_double(Statement, column);
}

std::string TStatement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(Statement, column));
    return text ? std::string(text,
                              static_cast<std::size_t>(sqlite3_column_bytes(Statement, column)))
                : std::string();
}

int TStatement::Columns() const {
    return sqlite3_column_count(Statement);
}

bool TStatement::IsNull(int column) const {
    return sqlite3_column_type(Statement, column) == SQLITE_NULL;
}

TTransaction::TTransaction(TSqlite& db) : Db(db) {
    Db.Exec("BEGIN IMMEDIATE");
}

TTransaction::~TTransaction() {
    if (!Done) sqlite3_exec(Db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void TTransaction::Commit() {
    Db.Exec("COMMIT");
    Done = true;
}

} // namespace quillara
