#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace quillara {

// A failure of the database, with SQLite's own code and message.
class TSqliteError : public std::runtime_error {
public:
    TSqliteError(int code, const std::string& message);
    int Code() const { return ErrorCode; }
    // Whether the file is no database, or one damaged.
    bool Damaged() const;

private:
    int ErrorCode;
};

// An open database file; closed with the object.
class TSqlite {
public:
    // Opens the file for reading and writing, creating it; raises when it cannot.
    explicit TSqlite(const std::filesystem::path& path);
    ~TSqlite();
    TSqlite(const TSqlite&) = delete;
    TSqlite& operator=(const TSqlite&) = delete;

    // Runs statements that return no rows.
    void Exec(const char* sql);
    sqlite3* Handle() const { return Db; }
    // Raises the last failure of this connection, or a failure of the given code.
    [[noreturn]] void Fail(int code) const;

private:
    sqlite3* Db = nullptr;
};

// A statement prepared once and run many times; reset before each run.
class TStatement {
public:
    TStatement(TSqlite& db, std::string_view sql);
    ~TStatement();
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    // Binds the parameters from 1 in order, after resetting the statement.
    template <typename... Values> TStatement& Bind(const Values&... values) {
        Reset();
        [[maybe_unused]] int index = 0;
        (BindOne(++index, values), ...);
        return *this;
    }
    // Runs to the next row: false when there is none left.
    bool Step();
    // Runs a statement that returns no rows.
    void Run() {
        while (Step()) {
        }
    }
    // Lets go of a statement read part way, so that it holds nothing while others write.
    void Reset();

    std::int64_t Int(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;
    bool IsNull(int column) const;
    int Columns() const;

private:
    void BindOne(int index, std::int64_t value);
    void BindOne(int index, int value) { BindOne(index, static_cast<std::int64_t>(value)); }
    void BindOne(int index, double value);
    void BindOne(int index, std::string_view value);
    void BindOne(int index, const std::string& value) { BindOne(index, std::string_view(value)); }
    void BindOne(int index, const char* value) { BindOne(index, std::string_view(value)); }
    void BindOne(int index, std::nullopt_t);
    void BindOne(int index, const std::optional<std::string>& value) {
        if (value)
            BindOne(index, std::string_view(*value));
        else
            BindOne(index, std::nullopt);
    }

    TSqlite& Db;
    sqlite3_stmt* Statement = nullptr;
};

// A write transaction: taken at once (so that two windows queue rather than deadlock), undone
// unless committed.
class TTransaction {
public:
    explicit TTransaction(TSqlite& db);
    ~TTransaction();
    void Commit();

private:
    TSqlite& Db;
    bool Done = false;
};

} // namespace quillara
