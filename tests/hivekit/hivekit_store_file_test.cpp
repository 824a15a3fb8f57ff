// The store on disk: where it lives, its modes, links never followed, damaged files moved aside
// instead of lost, a busy store waited for, and a folder that cannot be written.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "support/temp_config_home.h"

namespace kestrins {
namespace {

using testing::CurrentUserStore;
using testing::ExecSql;
using testing::FolderEntries;
using testing::MessageRecorder;
using testing::PathExists;
using testing::PermissionBits;
using testing::ReadFileBytes;
using testing::RunInChild;
using testing::ScopedEnv;
using testing::TempConfigHome;
using testing::WriteFileBytes;

constexpr const char* kKey = "Software\\Tovarek\\Kestrin\\Settings";
// The file format's mark ("HvKt"), fixed once stores exist on players' disks.
constexpr int kApplicationId = 0x48766b74;

std::string ReadText(const char* valueName) {
    char buffer[HIVEKIT_TEXT_BUFFER_SIZE] = {};
    return GetValueText(HKEY_CURRENT_USER, kKey, valueName, buffer) == 1 ? buffer : "<failed>";
}

void MakeStoreFolder(const TempConfigHome& home) {
    std::filesystem::create_directories(home.StoreFolder());
    std::filesystem::permissions(home.StoreFolder(), std::filesystem::perms::owner_all);
}

TEST(HivekitStoreFileTest, FolderAndFileArePrivateAndMissingParentsAreCreated) {
    TempConfigHome home;
    const std::string configHome = home.Path() + "/not/yet";
    ScopedEnv xdg("XDG_CONFIG_HOME", configHome.c_str());
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Any", 1), 1);
    for (const std::string& folder : {home.Path() + "/not", configHome, configHome + "/hivekit"}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(PermissionBits(folder), 0700U);
    }
    EXPECT_EQ(PermissionBits(configHome + "/hivekit/current_user.db"), 0600U);
}

TEST(HivekitStoreFileTest, UnusableConfigHomeFallsBackToHomeDotConfig) {
    const char* unusable[] = {nullptr, "", "relative/config"};
    for (const char* value : unusable) {
        SCOPED_TRACE(value != nullptr ? value : "unset");
        TempConfigHome home;
        ScopedEnv homeEnv("HOME", home.Path().c_str());
        ScopedEnv xdg("XDG_CONFIG_HOME", value);
        ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Any", 1), 1);
        EXPECT_TRUE(PathExists(home.Path() + "/.config/hivekit/current_user.db"));
        EXPECT_FALSE(PathExists("relative"));
    }
}

TEST(HivekitStoreFileTest, WithoutAnyAbsoluteFolderWritesFailAndCreateNothing) {
    TempConfigHome home;
    ScopedEnv homeEnv("HOME", "relative-home");
    ScopedEnv xdg("XDG_CONFIG_HOME", "relative-config");
    EXPECT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Any", 1), 0);
    EXPECT_FALSE(PathExists("relative-home"));
    EXPECT_FALSE(PathExists("relative-config"));
}

TEST(HivekitStoreFileTest, StoreIsMarkedAndLeavesNoJournalBehind) {
    TempConfigHome home;
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "x"), 1);
    ASSERT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "Name"), 1);
    EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(CurrentUserStore(home).c_str(), &db, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT application_id FROM pragma_application_id", -1, &statement,
                       nullptr);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(statement, 0), kApplicationId);
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

TEST(HivekitStoreFileTest, LinkedFoldersOnTheWayToTheStoreAreFollowed) {
    // Dotfile managers often link ~/.config or its folders elsewhere.
    struct Case {
        const char* label;
        const char* linkedFolder;  // below the temporary home; the rest is created by the library
        const char* configHome;
    };
    const std::vector<Case> cases = {
        {"config home is a link", "/config", "/config"},
        {"store folder is a link", "/config/hivekit", "/config"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempConfigHome home;
        const std::string real = home.Path() + "/real";
        const std::string link = home.Path() + c.linkedFolder;
        std::filesystem::create_directories(real);
        std::filesystem::create_directories(std::filesystem::path(link).parent_path());
        ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
        ScopedEnv xdg("XDG_CONFIG_HOME", (home.Path() + c.configHome).c_str());
        ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "linked"), 1);
        EXPECT_EQ(ReadText("Name"), "linked");
        EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "Name"), 1);
    }
}

TEST(HivekitStoreFileTest, AStoreFileThatIsALinkIsNeverFollowed) {
    TempConfigHome home;
    MakeStoreFolder(home);
    const std::string target = home.Path() + "/precious";
    WriteFileBytes(target, "precious bytes");
    ASSERT_EQ(symlink(target.c_str(), CurrentUserStore(home).c_str()), 0);
    EXPECT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "x"), 0);
    EXPECT_EQ(ReadText("Name"), "<failed>");
    EXPECT_EQ(ReadFileBytes(target), "precious bytes");
    EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
}

// Builds a real store holding enough values to span several pages.
void FillStore() {
    for (int i = 0; i < 20; ++i) {
        const std::string name = "Value" + std::to_string(i);
        ASSERT_EQ(
            SetValueText(HKEY_CURRENT_USER, kKey, name.c_str(), std::string(1500, 'v').c_str()), 1);
    }
}

void Truncate(const std::string& path, off_t size) {
    ASSERT_EQ(truncate(path.c_str(), size), 0);
}

TEST(HivekitStoreFileTest, DamagedStoresAreLeftAloneByReadsAndMovedAsideByWrites) {
    struct Case {
        const char* label;
        std::function<void(const std::string& store)> damage;
    };
    const std::vector<Case> cases = {
        {"garbage bytes",
         [](const std::string& store) {
             WriteFileBytes(store, std::string(5000, '\x5a') + "not a database");
         }},
        {"store truncated at a page boundary",
         [](const std::string& store) {
             FillStore();
             Truncate(store, 8192);
         }},
        {"store truncated inside its header",
         [](const std::string& store) {
             FillStore();
             Truncate(store, 60);
         }},
        {"someone else's database",
         [](const std::string& store) {
             ExecSql(store, "CREATE TABLE notes(t TEXT); INSERT INTO notes VALUES('mine');");
         }},
        {"our mark on another schema",
         [](const std::string& store) {
             ExecSql(store, "PRAGMA application_id = " + std::to_string(kApplicationId) +
                                "; CREATE TABLE entries(a, b);");
         }},
        {"our schema under another mark",
         [](const std::string& store) {
             FillStore();
             ExecSql(store, "PRAGMA application_id = 7");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempConfigHome home;
        MakeStoreFolder(home);
        const std::string store = CurrentUserStore(home);
        c.damage(store);
        const std::string damaged = ReadFileBytes(store);
        MessageRecorder messages;

        char buffer[HIVEKIT_TEXT_BUFFER_SIZE] = "untouched";
        int32_t number = 5;
        EXPECT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Value1", buffer), 0);
        EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "Value1", &number), 0);
        EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "Value1"), 0);
        EXPECT_STREQ(buffer, "untouched");
        EXPECT_EQ(number, 5);
        EXPECT_EQ(ReadFileBytes(store), damaged);
        EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
        EXPECT_TRUE(messages.Messages().empty());

        EXPECT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "fresh"), 1);
        EXPECT_EQ(ReadText("Name"), "fresh");
        const std::vector<std::string> entries = FolderEntries(home.StoreFolder());
        ASSERT_EQ(entries.size(), 2U);
        EXPECT_EQ(entries[0], "current_user.db");
        EXPECT_EQ(entries[1].rfind("current_user.db.damaged-", 0), 0U) << entries[1];
        EXPECT_EQ(ReadFileBytes(home.StoreFolder() + "/" + entries[1]), damaged);
        ASSERT_EQ(messages.Messages().size(), 1U);
        EXPECT_EQ(messages.Messages()[0].caption, "Hivekit");
        EXPECT_NE(messages.Messages()[0].text.find(entries[1]), std::string::npos);

        // The fresh store is a normal one: the next write moves nothing.
        EXPECT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Number", 2), 1);
        EXPECT_EQ(FolderEntries(home.StoreFolder()).size(), 2U);
        EXPECT_EQ(messages.Messages().size(), 1U);
    }
}

TEST(HivekitStoreFileTest, AnEmptyFileIsAStoreNotYetWrittenNotADamagedOne) {
    // What a writer killed between creating the file and its first commit leaves behind.
    TempConfigHome home;
    MakeStoreFolder(home);
    WriteFileBytes(CurrentUserStore(home), "");
    MessageRecorder messages;
    EXPECT_EQ(ReadText("Name"), "<failed>");
    EXPECT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "first"), 1);
    EXPECT_EQ(ReadText("Name"), "first");
    EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
    EXPECT_TRUE(messages.Messages().empty());
}

std::string UtcStamp(std::time_t when) {
    std::tm utc{};
    gmtime_r(&when, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
    return stamp;
}

TEST(HivekitStoreFileTest, MovingAsideNeverOverwritesAnEarlierDamagedCopy) {
    TempConfigHome home;
    MakeStoreFolder(home);
    const std::string store = CurrentUserStore(home);
    // Earlier copies under every name the clock could give during this test.
    const std::time_t now = std::time(nullptr);
    std::vector<std::string> earlier;
    for (std::time_t when = now - 1; when <= now + 3; ++when) {
        earlier.push_back(store + ".damaged-" + UtcStamp(when));
        WriteFileBytes(earlier.back(), "earlier copy");
    }
    WriteFileBytes(store, "damaged again");
    MessageRecorder messages;
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "fresh"), 1);
    for (const std::string& path : earlier) {
        EXPECT_EQ(ReadFileBytes(path), "earlier copy") << path;
    }
    const std::vector<std::string> entries = FolderEntries(home.StoreFolder());
    ASSERT_EQ(entries.size(), earlier.size() + 2);
    int newCopies = 0;
    for (const std::string& name : entries) {
        newCopies += ReadFileBytes(home.StoreFolder() + "/" + name) == "damaged again" ? 1 : 0;
    }
    EXPECT_EQ(newCopies, 1);
}

// Holds an exclusive lock on the store from another process for a while.
class LockHolder {
public:
    LockHolder(const std::string& store, int holdMs) {
        int ready[2];
        if (pipe(ready) != 0) {
            return;
        }
        child_ = fork();
        if (child_ == 0) {
            close(ready[0]);
            sqlite3* db = nullptr;
            sqlite3_open_v2(store.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
            const int locked = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
            const char signal = locked == SQLITE_OK ? 'L' : 'F';
            (void)!write(ready[1], &signal, 1);
            usleep(static_cast<useconds_t>(holdMs) * 1000);
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(db);
            _exit(0);
        }
        close(ready[1]);
        char signal = 0;
        locked_ = read(ready[0], &signal, 1) == 1 && signal == 'L';
        close(ready[0]);
    }
    ~LockHolder() {
        if (child_ > 0) {
            waitpid(child_, nullptr, 0);
        }
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool Locked() const { return locked_; }

private:
    pid_t child_ = -1;
    bool locked_ = false;
};

TEST(HivekitStoreFileTest, ABriefLockIsWaitedFor) {
    TempConfigHome home;
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "before"), 1);
    LockHolder holder(CurrentUserStore(home), 300);
    ASSERT_TRUE(holder.Locked());
    EXPECT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "after"), 1);
    EXPECT_EQ(ReadText("Name"), "after");
}

TEST(HivekitStoreFileTest, ALongLockFailsTheWriteButIsNeverTakenForDamage) {
    TempConfigHome home;
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "before"), 1);
    MessageRecorder messages;
    {
        LockHolder holder(CurrentUserStore(home), 3000);
        ASSERT_TRUE(holder.Locked());
        EXPECT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "during"), 0);
    }
    EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(ReadText("Name"), "before");
}

// Permission bits do not stop root, so the child gives up root before trying to write.
bool DropToUnprivilegedUser(const std::string& tree) {
    if (geteuid() != 0) {
        return true;
    }
    constexpr uid_t kNobody = 65534;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree, error)) {
        if (lchown(entry.path().c_str(), kNobody, kNobody) != 0) {
            return false;
        }
    }
    return lchown(tree.c_str(), kNobody, kNobody) == 0 && setgid(kNobody) == 0 &&
           setuid(kNobody) == 0;
}

TEST(HivekitStoreFileTest, AFolderThatCannotBeWrittenFailsWritesCleanly) {
    TempConfigHome home;
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Kept", 7), 1);
    const std::string lockedHome = home.Path() + "/locked";
    std::filesystem::create_directory(lockedHome);

    // Each check in the child exits with its own code, so a failure says which one.
    const int result = RunInChild([&] {
        if (!DropToUnprivilegedUser(home.Path())) {
            return 1;
        }
        if (chmod(home.StoreFolder().c_str(), 0500) != 0 || chmod(lockedHome.c_str(), 0500) != 0) {
            return 2;
        }
        if (SetValueText(HKEY_CURRENT_USER, kKey, "Name", "x") != 0) {
            return 3;
        }
        if (SetValueDWORD(HKEY_CURRENT_USER, kKey, "Kept", 8) != 0) {
            return 4;
        }
        if (DeleteValue(HKEY_CURRENT_USER, kKey, "Kept") != 0) {
            return 5;
        }
        int32_t number = 0;
        if (GetValueDWORD(HKEY_CURRENT_USER, kKey, "Kept", &number) != 1 || number != 7) {
            return 6;
        }
        // No store file yet, and none can be made.
        if (SetValueDWORD(HKEY_LOCAL_MACHINE, kKey, "Kept", 8) != 0) {
            return 7;
        }
        // No store folder yet, and none can be made.
        setenv("XDG_CONFIG_HOME", lockedHome.c_str(), 1);
        if (SetValueDWORD(HKEY_CURRENT_USER, kKey, "Kept", 8) != 0) {
            return 8;
        }
        return 0;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
    EXPECT_TRUE(FolderEntries(lockedHome).empty());
    int32_t number = 0;
    EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "Kept", &number), 1);
    EXPECT_EQ(number, 7);
}

}  // namespace
}  // namespace kestrins
