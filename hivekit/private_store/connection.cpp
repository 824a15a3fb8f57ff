// Thin RAII wrappers over sqlite3 and sqlite3_stmt; every value goes in as a bound parameter.
#include "connection.h"

namespace kestrins::hivekit {

namespace {

// Long enough for another process's write to finish, short enough not to hang the caller.
constexpr int kBusyTimeoutMs = 2000;

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

bool IsDamage(int result) {
    const int primary = result & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

}  // namespace kestrins::hivekit
