// Thin RAII wrappers over sqlite3 and sqlite3_stmt; every value goes in as a bound parameter.
#include "connection.h"

#include <cerrno>

namespace kestrins::hivekit {

namespace {

// Long enough for another process's writes to finish, short enough not to hang the caller. A
// waiting writer seldom finds the gap between another's calls, so it waits out that process's
// whole run of writes: with eight CPU-bound processes beside two writers of forty calls each on
// two cores, the longest call took 2.2 s, and 3.6 s in the sanitizer build
// (scripts/store_under_load.sh). Ten seconds leaves room for a slower machine.
constexpr int kBusyTimeoutMs = 10000;

// Zero-length data must still bind as an empty blob or text, never as NULL.
const char* NonNull(std::string_view bytes) {
    return bytes.empty() ? "" : bytes.data();
}

}  // namespace

Statement::Statement(sqlite3* db, const char* sql)
    : prepareResult_(sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr)) {}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

void Statement::BindText(int index, std::string_view text) {
    if (statement_ != nullptr) {
        sqlite3_bind_text(statement_, index, NonNull(text), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
}

void Statement::BindBlob(int index, std::string_view bytes) {
    if (statement_ != nullptr) {
        sqlite3_bind_blob(statement_, index, NonNull(bytes), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT);
    }
}

void Statement::BindInt(int index, int value) {
    if (statement_ != nullptr) {
        sqlite3_bind_int(statement_, index, value);
    }
}

void Statement::BindInt64(int index, int64_t value) {
    if (statement_ != nullptr) {
        sqlite3_bind_int64(statement_, index, value);
    }
}

int Statement::Step() {
    if (statement_ == nullptr) {
        return prepareResult_ != SQLITE_OK ? prepareResult_ : SQLITE_MISUSE;
    }
    return sqlite3_step(statement_);
}

void Statement::Reset() {
    sqlite3_reset(statement_);
}

int Statement::ColumnInt(int column) const {
    return sqlite3_column_int(statement_, column);
}

int64_t Statement::ColumnInt64(int column) const {
    return sqlite3_column_int64(statement_, column);
}

double Statement::ColumnDouble(int column) const {
    return sqlite3_column_double(statement_, column);
}

std::string Statement::ColumnBytes(int column) const {
    const void* bytes = sqlite3_column_blob(statement_, column);
    int size = sqlite3_column_bytes(statement_, column);
    return bytes != nullptr ? std::string(static_cast<const char*>(bytes), size) : std::string();
}

Connection::~Connection() {
    sqlite3_close_v2(db_);
}

int Connection::Open(const std::string& path) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_EXRESCODE;
    int result = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (result != SQLITE_OK) {
        return result;
    }
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    return Exec("PRAGMA synchronous = FULL");
}

int Connection::Exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
}

int Connection::Changes() const {
    return sqlite3_changes(db_);
}

int Connection::Cause(int result) const {
    switch (result & 0xff) {
        case SQLITE_FULL:
            return ENOSPC;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return EBUSY;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return EBADMSG;
        case SQLITE_NOMEM:
            return ENOMEM;
        // A file or folder SQLite may only read, or a write it was not allowed: it keeps no
        // system error for these.
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return EACCES;
        default: {
            // SQLite keeps the system's error for some failed opens and I/O only; errno still
            // holds it right after the failing call.
            const int system = db_ != nullptr ? sqlite3_system_errno(db_) : 0;
            return system != 0 ? system : errno != 0 ? errno : EIO;
        }
    }
}

bool IsDamage(int result) {
    const int primary = result & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

}  // namespace kestrins::hivekit
