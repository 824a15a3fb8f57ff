// A SQLite connection held for the length of one library call, and its prepared statements.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrins::hivekit {

// A prepared statement with bound parameters. A statement that failed to prepare reports the
// preparation's error from Step, so callers check one result only.
class Statement {
public:
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void BindText(int index, std::string_view text);
    void BindBlob(int index, std::string_view bytes);
    void BindInt(int index, int value);
    void BindInt64(int index, int64_t value);
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step();
    // Ready to step again with new bindings, without preparing anew.
    void Reset();
    int ColumnInt(int column) const;
    int64_t ColumnInt64(int column) const;
    double ColumnDouble(int column) const;
    std::string ColumnBytes(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
    int prepareResult_;
};

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing store file (never creates one, never follows a link) with the
    // hardening and durability settings; SQLITE_OK or the error met on the way.
    int Open(const std::string& path);
    int Exec(const char* sql);
    // How many rows the last statement changed.
    int Changes() const;
    // The cause of result, an error this connection has just met (call it before anything else),
    // as an errno value: what the system reported, or the errno that names SQLite's result.
    int Cause(int result) const;
    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// Corruption and "not a database" mean the file itself is damaged; anything else (busy,
// locked, I/O, permissions) is a passing or outside condition.
bool IsDamage(int result);

}  // namespace kestrins::hivekit
