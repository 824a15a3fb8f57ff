// The store's schema and its checks, and the statements behind reading, writing and deleting.
#include "store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "connection.h"
#include "key_path.h"
#include "private_files.h"

namespace kestrins::hivekit {

namespace {

// "HvKt": marks a file as a Hivekit store, so another program's database is never written to.
constexpr int kApplicationId = 0x48766b74;
constexpr int kSchemaVersion = 1;
constexpr const char* kTableName = "entries";
// Every key has a row with the empty value name: its default value, of type Key while unset.
constexpr const char* kCreateTable =
    "CREATE TABLE entries("
    "key_path TEXT NOT NULL COLLATE NOCASE, "
    "value_name TEXT NOT NULL COLLATE NOCASE, "
    "type INTEGER NOT NULL, "
    "data BLOB NOT NULL, "
    "PRIMARY KEY(key_path, value_name)) WITHOUT ROWID";

enum class SchemaState { Ours, Empty, Foreign };

Outcome FromResult(const Connection& connection, int result) {
    return IsDamage(result) ? Outcome(Outcome::Damaged)
                            : Outcome::Failure(connection.Cause(result));
}

// One number from the file's header, read inside the caller's transaction. A plain pragma: its
// table-valued form declares a virtual table on every connection, which cost more than the read.
int HeaderValue(Connection& connection, const char* pragma, int& value) {
    Statement query(connection.Handle(), pragma);
    const int result = query.Step();
    if (result != SQLITE_ROW) {
        return result;
    }
    value = query.ColumnInt(0);
    return SQLITE_OK;
}

// Looks at the file inside the caller's transaction: ours, a fresh empty file, or anything else.
int CheckSchema(Connection& connection, SchemaState& state) {
    int applicationId = 0;
    int version = 0;
    int result = HeaderValue(connection, "PRAGMA application_id", applicationId);
    if (result == SQLITE_OK) {
        result = HeaderValue(connection, "PRAGMA user_version", version);
    }
    if (result != SQLITE_OK) {
        return result;
    }
    Statement query(connection.Handle(),
                    "SELECT count(*), "
                    "count(*) FILTER (WHERE type = 'table' AND name = ?1 AND sql = ?2) "
                    "FROM sqlite_schema");
    query.BindText(1, kTableName);
    query.BindText(2, kCreateTable);
    result = query.Step();
    if (result != SQLITE_ROW) {
        return result;
    }
    const int objects = query.ColumnInt(0);
    const int ourTables = query.ColumnInt(1);
    if (applicationId == kApplicationId && version == kSchemaVersion && objects == 1 &&
        ourTables == 1) {
        state = SchemaState::Ours;
    } else if (applicationId == 0 && version == 0 && objects == 0) {
        state = SchemaState::Empty;
    } else {
        state = SchemaState::Foreign;
    }
    return SQLITE_OK;
}

int CreateSchema(Connection& connection) {
    int result = connection.Exec(kCreateTable);
    if (result == SQLITE_OK) {
        result =
            connection.Exec(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
    }
    if (result == SQLITE_OK) {
        result =
            connection.Exec(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
    }
    return result;
}

// Begins the transaction and checks the file; a fresh file gets the schema when creating.
Outcome BeginOnStore(Connection& connection, const std::string& path, const char* begin,
                     bool createSchema) {
    int result = connection.Open(path);
    if (result == SQLITE_OK) {
        result = connection.Exec(begin);
    }
    SchemaState state = SchemaState::Foreign;
    if (result == SQLITE_OK) {
        result = CheckSchema(connection, state);
    }
    if (result != SQLITE_OK) {
        return FromResult(connection, result);
    }
    if (state == SchemaState::Empty && createSchema) {
        result = CreateSchema(connection);
        return result == SQLITE_OK ? Outcome::Done : FromResult(connection, result);
    }
    // An empty file is not damaged, it just holds nothing yet.
    if (state == SchemaState::Empty) {
        return Outcome::Failure(ENOENT);
    }
    return state == SchemaState::Ours ? Outcome::Done : Outcome::Damaged;
}

// A write can succeed on a damaged file: in pages it does not touch, or in a tree whose keys are
// out of order, where it adds a second row that reads never find. Reads would then fail or
// answer the old value while no write ever noticed, so a write first checks the whole file
// (quick_check misses the order of keys).
Outcome CheckWhole(Connection& connection) {
    Statement check(connection.Handle(), "PRAGMA integrity_check(1)");
    const int result = check.Step();
    if (result != SQLITE_ROW) {
        return FromResult(connection, result);
    }
    return check.ColumnBytes(0) == "ok" ? Outcome::Done : Outcome::Damaged;
}

int CreateKeyLevels(Connection& connection, const std::string& keyPath) {
    Statement insert(connection.Handle(),
                     "INSERT INTO entries(key_path, value_name, type, data) "
                     "VALUES(?1, '', 0, x'') ON CONFLICT DO NOTHING");
    for (const std::string& level : KeyLevels(keyPath)) {
        insert.Reset();
        insert.BindText(1, level);
        if (int result = insert.Step(); result != SQLITE_DONE) {
            return result;
        }
    }
    return SQLITE_OK;
}

int PutValue(Connection& connection, const ValueAddress& address, const StoredValue& value) {
    Statement upsert(connection.Handle(),
                     "INSERT INTO entries(key_path, value_name, type, data) VALUES(?1, ?2, ?3, ?4) "
                     "ON CONFLICT(key_path, value_name) "
                     "DO UPDATE SET type = excluded.type, data = excluded.data");
    upsert.BindText(1, address.keyPath);
    upsert.BindText(2, address.valueName);
    upsert.BindInt(3, static_cast<int>(value.type));
    upsert.BindBlob(4, value.data);
    int result = upsert.Step();
    return result == SQLITE_DONE ? SQLITE_OK : result;
}

// The default value goes back to unset rather than away, so its key stays.
int RemoveValue(Connection& connection, const ValueAddress& address) {
    const bool isDefault = address.valueName.empty();
    Statement remove(connection.Handle(),
                     isDefault ? "UPDATE entries SET type = 0, data = x'' "
                                 "WHERE key_path = ?1 AND value_name = '' AND type <> 0"
                               : "DELETE FROM entries WHERE key_path = ?1 AND value_name = ?2");
    remove.BindText(1, address.keyPath);
    if (!isDefault) {
        remove.BindText(2, address.valueName);
    }
    int result = remove.Step();
    return result == SQLITE_DONE ? SQLITE_OK : result;
}

}  // namespace

Outcome CreateStore(const std::string& path) {
    struct stat info {};
    // Whatever is there is opened as the store, and a link refused then.
    if (lstat(path.c_str(), &info) == 0) {
        return Outcome::Done;
    }
    if (errno != ENOENT) {
        return Outcome::Failure(errno);
    }
    const std::optional<std::string> fresh = CreateUniqueFile(path + ".new-");
    if (!fresh) {
        return Outcome::Failure(errno);
    }
    Outcome outcome = Outcome::Done;
    {
        Connection connection;
        outcome = BeginOnStore(connection, *fresh, "BEGIN IMMEDIATE", true);
        if (const int result = outcome == Outcome::Done ? connection.Exec("COMMIT") : SQLITE_OK;
            result != SQLITE_OK) {
            outcome = FromResult(connection, result);
        }
    }
    // The journal of the value written next makes SQLite sync the folder, and the new name with
    // it.
    if (outcome == Outcome::Done &&
        renameat2(AT_FDCWD, fresh->c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) != 0) {
        // EEXIST: another process made the store meanwhile. EINVAL: a file system without the
        // flag, where the empty file starts the store as it did before.
        const int error = errno;
        if (error != EEXIST && !(error == EINVAL && CreateStoreFile(path))) {
            outcome = Outcome::Failure(error == EINVAL ? errno : error);
        }
    }
    // Both are gone when all went well.
    std::remove((*fresh + "-journal").c_str());
    std::remove(fresh->c_str());
    return outcome;
}

Outcome ReadStoredValue(const std::string& path, const ValueAddress& address,
                        std::optional<StoredValue>& value) {
    Connection connection;
    // A deferred transaction keeps the check and the read on one snapshot.
    if (Outcome begun = BeginOnStore(connection, path, "BEGIN", false); begun != Outcome::Done) {
        return begun;
    }
    Statement select(connection.Handle(),
                     "SELECT type, data FROM entries WHERE key_path = ?1 AND value_name = ?2");
    select.BindText(1, address.keyPath);
    select.BindText(2, address.valueName);
    if (int result = select.Step(); result != SQLITE_ROW) {
        return result == SQLITE_DONE ? Outcome::Done : FromResult(connection, result);
    }
    value = StoredValue{static_cast<ValueType>(select.ColumnInt(0)), select.ColumnBytes(1)};
    return Outcome::Done;
}

Outcome WriteStoredValue(const std::string& path, const ValueAddress& address,
                         const StoredValue& value) {
    Connection connection;
    if (Outcome begun = BeginOnStore(connection, path, "BEGIN IMMEDIATE", true);
        begun != Outcome::Done) {
        return begun;
    }
    if (Outcome whole = CheckWhole(connection); whole != Outcome::Done) {
        return whole;
    }
    int result = CreateKeyLevels(connection, address.keyPath);
    if (result == SQLITE_OK) {
        result = PutValue(connection, address, value);
    }
    if (result == SQLITE_OK) {
        result = connection.Exec("COMMIT");
    }
    return result == SQLITE_OK ? Outcome::Done : FromResult(connection, result);
}

Outcome DeleteStoredValue(const std::string& path, const ValueAddress& address) {
    Connection connection;
    if (Outcome begun = BeginOnStore(connection, path, "BEGIN IMMEDIATE", false);
        begun != Outcome::Done) {
        return begun;
    }
    if (int result = RemoveValue(connection, address); result != SQLITE_OK) {
        return FromResult(connection, result);
    }
    if (connection.Changes() != 1) {
        return Outcome::Failure(ENOENT);
    }
    int result = connection.Exec("COMMIT");
    return result == SQLITE_OK ? Outcome::Done : FromResult(connection, result);
}

}  // namespace kestrins::hivekit
