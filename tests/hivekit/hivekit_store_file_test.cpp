// The store on disk: where it lives, its modes, links, damaged files moved aside instead of lost,
// a lock held too long, a folder that cannot be written, and two writer processes at once. (A
// writer stopped midway is tested through every failed I/O step of the exit save, in
// store_io_failure_test.)
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "support/kept_copy_name.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

namespace fs = std::filesystem;

// The file format's mark ("HvKt"), fixed once stores exist on players' disks.
constexpr int kApplicationId = 0x48766b74;

// The model fuzz target pins untouched outputs for every failed read, with or without a store.
TEST(HivekitStoreFileTest, OnlyAWriteMakesTheStoreWhichIsPrivateMarkedAndAloneInItsNewFolders) {
    TempConfigHome home;
    // The temporary home puts the variable back afterwards.
    const std::string configHome = home.Path() + "/not/yet";
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    MessageRecorder messages;
    EXPECT_EQ(ReadText("Text"), std::nullopt);
    EXPECT_EQ(ReadNumber("Number"), std::nullopt);
    EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "Text"), 0);
    EXPECT_EQ(SetValueDWORD(HIVEKIT_ROOT(0x80000004), kKey, "a", 1), 0);
    EXPECT_TRUE(FolderEntries(home.Path()).empty());
    EXPECT_TRUE(messages.Messages().empty());

    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "x"), 1);
    ASSERT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "Name"), 1);
    for (const std::string& folder : {home.Path() + "/not", configHome, configHome + "/hivekit"}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all);
    }
    const std::string store = configHome + "/hivekit/current_user.db";
    EXPECT_EQ(fs::status(store).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FolderEntries(configHome + "/hivekit"), std::vector<std::string>{"current_user.db"});
    EXPECT_EQ(RunSql(store, "PRAGMA application_id"),
              std::vector<std::string>{std::to_string(kApplicationId)});
}

TEST(HivekitStoreFileTest, OnlyAnAbsoluteConfigFolderIsEverUsed) {
    const struct {
        const char* label;
        const char* configHome;  // nullptr: unset
        bool absoluteHome;
    } cases[] = {
        {"config home unset", nullptr, true},
        {"config home empty", "", true},
        {"config home relative", "relative-config", true},
        {"home relative too", "relative-config", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempConfigHome home;
        // The child changes HOME for itself alone.
        const int written = WaitForChild(StartChild([&] {
            setenv("HOME", c.absoluteHome ? home.Path().c_str() : "relative-home", 1);
            c.configHome != nullptr ? setenv("XDG_CONFIG_HOME", c.configHome, 1)
                                    : unsetenv("XDG_CONFIG_HOME");
            return SetValueDWORD(HKEY_CURRENT_USER, kKey, "Any", 1);
        }));
        EXPECT_EQ(written, c.absoluteHome ? 1 : 0);
        EXPECT_EQ(fs::exists(home.Path() + "/.config/hivekit/current_user.db"), c.absoluteHome);
        EXPECT_FALSE(fs::exists("relative-config"));
        EXPECT_FALSE(fs::exists("relative-home"));
    }
}

TEST(HivekitStoreFileTest, LinkedFoldersOnTheWayToTheStoreAreFollowed) {
    // Dotfile managers often link ~/.config or its folders elsewhere.
    for (const char* linkedFolder : {"/config", "/config/hivekit"}) {
        SCOPED_TRACE(linkedFolder);
        TempConfigHome home;
        const std::string link = home.Path() + linkedFolder;
        fs::create_directories(home.Path() + "/real");
        fs::create_directories(fs::path(link).parent_path());
        fs::create_directory_symlink(home.Path() + "/real", link);
        setenv("XDG_CONFIG_HOME", (home.Path() + "/config").c_str(), 1);
        ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "linked"), 1);
        EXPECT_EQ(ReadText("Name"), "linked");
    }
}

TEST(HivekitStoreFileTest, AStoreFileThatIsALinkIsNeverFollowed) {
    TempConfigHome home;
    fs::create_directories(home.StoreFolder());
    const std::string target = home.Path() + "/precious";
    WriteFileBytes(target, "precious bytes");
    fs::create_symlink(target, home.StoreFile());
    EXPECT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "x"), 0);
    EXPECT_EQ(ReadText("Name"), std::nullopt);
    EXPECT_EQ(ReadFileBytes(target), "precious bytes");
    EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
}

// A file that is not a database at all is moved aside in the moving-aside and two-writer tests.
TEST(HivekitStoreFileTest, DamagedStoresAreLeftAloneByReadsAndMovedAsideByWrites) {
    const struct {
        const char* label;
        void (*damage)(const std::string& store);
    } cases[] = {
        {"store truncated at a page boundary",
         [](const std::string& store) {
             // Enough values to span several pages, then the later pages cut off.
             for (int i = 0; i < 20; ++i) {
                 const std::string name = "Value" + std::to_string(i);
                 ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, name.c_str(),
                                        std::string(1500, 'v').c_str()),
                           1);
             }
             ASSERT_EQ(truncate(store.c_str(), 8192), 0);
         }},
        {"someone else's database",
         [](const std::string& store) {
             RunSql(store, "CREATE TABLE notes(t TEXT); INSERT INTO notes VALUES('mine');");
         }},
        {"an extra table beside ours",
         [](const std::string& store) {
             ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Value1", "v"), 1);
             RunSql(store, "CREATE TABLE notes(t TEXT)");
         }},
        {"our mark on another schema",
         [](const std::string& store) {
             RunSql(store, "PRAGMA application_id = " + std::to_string(kApplicationId) +
                               "; CREATE TABLE entries(a, b);");
         }},
        {"our table without our mark",
         [](const std::string& store) {
             ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Value1", "v"), 1);
             RunSql(store, "PRAGMA application_id = 0");
         }},
        {"our table under another schema version",
         [](const std::string& store) {
             ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Value1", "v"), 1);
             RunSql(store, "PRAGMA user_version = 2");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempConfigHome home;
        fs::create_directories(home.StoreFolder());
        const std::string store = home.StoreFile();
        c.damage(store);
        const std::string damaged = ReadFileBytes(store);
        MessageRecorder messages;

        // That a failed read leaves the caller's memory alone is pinned by the model fuzz target.
        EXPECT_EQ(ReadText("Value1"), std::nullopt);
        EXPECT_EQ(ReadNumber("Value1"), std::nullopt);
        EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "Value1"), 0);
        EXPECT_EQ(ReadFileBytes(store), damaged);
        EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
        // Said once, at the first read, before anything is moved.
        EXPECT_EQ(messages.Messages().size(), 1U);
        EXPECT_EQ(messages.Count("Hivekit", store + "\n"), 1);

        // The copy's bytes and the fresh store's values are checked by the other moving-aside
        // tests. The message names the store first, then the copy it is kept as.
        const std::time_t start = std::time(nullptr);
        EXPECT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "fresh"), 1);
        const std::vector<std::string> entries = FolderEntries(home.StoreFolder());
        ASSERT_EQ(entries.size(), 2U);
        const std::string copy = home.StoreFolder() + "/" + entries[1];
        EXPECT_TRUE(IsKeptCopyName(copy, store, start, std::time(nullptr)));
        ASSERT_EQ(messages.Messages().size(), 2U);
        EXPECT_EQ(messages.Messages()[1].caption, "Hivekit");
        EXPECT_EQ(messages.Messages()[1].text,
                  "設定ファイルが壊れていたため読み込めませんでした。\n" + store + "\nは\n" + copy +
                      "\nとして残し、新しい設定ファイルを作りました。");
    }
}

TEST(HivekitStoreFileTest, MovingAsideNeverOverwritesAnEarlierDamagedCopy) {
    TempConfigHome home;
    fs::create_directories(home.StoreFolder());
    const std::string store = home.StoreFile();
    // Earlier copies under every name the clock could give during this test.
    std::vector<std::string> earlier;
    for (std::time_t when = std::time(nullptr) - 1, last = when + 4; when <= last; ++when) {
        std::tm utc{};
        gmtime_r(&when, &utc);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
        earlier.push_back(store + ".damaged-" + stamp);
        WriteFileBytes(earlier.back(), "earlier copy");
    }
    WriteFileBytes(store, "damaged again");
    MessageRecorder messages;
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "fresh"), 1);
    for (const std::string& path : earlier) {
        EXPECT_EQ(ReadFileBytes(path), "earlier copy") << path;
    }
    EXPECT_EQ(FolderEntries(home.StoreFolder()).size(), earlier.size() + 2);
    // The name of this second was taken: the copy has it with "-2".
    std::vector<std::string> added;
    for (const std::string& entry : FolderEntries(home.StoreFolder())) {
        const std::string path = home.StoreFolder() + "/" + entry;
        if (path != store && std::find(earlier.begin(), earlier.end(), path) == earlier.end()) {
            added.push_back(path);
        }
    }
    ASSERT_EQ(added.size(), 1U);
    EXPECT_TRUE(added[0].ends_with("-2")) << added[0];
    EXPECT_TRUE(IsKeptCopyName(added[0], store, std::time(nullptr) - 5, std::time(nullptr)));
    EXPECT_EQ(ReadFileBytes(added[0]), "damaged again");
}

// The writer gives up only after waiting longer than the longest wait for another writer
// measured on a loaded machine (3.6 s), and not so long that the player thinks it hung.
TEST(HivekitStoreFileTest, ALongLockFailsTheWriteButIsNeverTakenForDamage) {
    TempConfigHome home;
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "before"), 1);
    MessageRecorder messages;
    // SQLite sees a lock held by another connection of this process as it would another's.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(home.StoreFile().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    errno = 0;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "during"), 0);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(errno, EBUSY);
    EXPECT_GE(waited, std::chrono::milliseconds(5000));
    EXPECT_LE(waited, std::chrono::seconds(30));
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(ReadText("Name"), "before");
}

TEST(HivekitStoreFileTest, AFolderThatCannotBeWrittenFailsWritesCleanly) {
    TempConfigHome home;
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Kept", 7), 1);

    // The child exits with the number of the first check that fails, so a failure says which.
    const int result = WaitForChild(StartChild([&] {
        int step = 0;
        const auto passes = [&step](bool ok) { return ++step, ok; };
        const bool passed = passes(DropToUnprivilegedUser(home.Path())) &&
                            passes(chmod(home.StoreFolder().c_str(), 0500) == 0) &&
                            passes(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "x") == 0) &&
                            passes(errno == EACCES) &&
                            // A number that was not written is not reported as saved.
                            passes(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Kept", 8) == 0) &&
                            passes(ReadNumber("Kept") == 7);
        return passed ? 0 : step;
    }));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"current_user.db"});
}

constexpr int kValuesEach = 20;

// Starts one writer per prefix, all held at a gate and let go together; each writes its own
// numbered values and a shared text, and exits with its count of failed calls.
std::vector<pid_t> StartWritersTogether(const std::vector<const char*>& prefixes) {
    int gate[2];
    if (pipe(gate) != 0) {
        return {};
    }
    std::vector<pid_t> writers;
    for (const char* prefix : prefixes) {
        writers.push_back(StartChild([&gate, prefix] {
            close(gate[1]);
            char ignored = 0;
            (void)!read(gate[0], &ignored, 1);
            SetMessageFunction([](const char*, const char*) {});
            int failures = 0;
            for (int i = 0; i < kValuesEach; ++i) {
                const std::string name = prefix + std::to_string(i);
                failures += SetValueDWORD(HKEY_CURRENT_USER, kKey, name.c_str(), i) == 1 ? 0 : 1;
                failures += SetValueText(HKEY_CURRENT_USER, kKey, "Shared", prefix) == 1 ? 0 : 1;
            }
            return failures;
        }));
    }
    close(gate[0]);
    close(gate[1]);
    return writers;
}

// Fresh homes each round: both writers also race to create the store; in the last round they
// meet a damaged store, which must be moved aside once, not by each.
TEST(HivekitStoreFileTest, TwoWritersAtOnceBothSucceedAndLoseNothing) {
    const std::vector<const char*> prefixes = {"A", "B"};
    const std::string damaged(5000, '\x5a');
    for (const bool damagedStore : {false, false, true}) {
        TempConfigHome home;
        if (damagedStore) {
            std::filesystem::create_directories(home.StoreFolder());
            WriteFileBytes(home.StoreFile(), damaged);
        }
        for (pid_t writer : StartWritersTogether(prefixes)) {
            EXPECT_EQ(WaitForChild(writer), 0);
        }
        for (const char* prefix : prefixes) {
            for (int i = 0; i < kValuesEach; ++i) {
                const std::string name = prefix + std::to_string(i);
                EXPECT_EQ(ReadNumber(name.c_str()), i) << name;
            }
        }
        const std::optional<std::string> shared = ReadText("Shared");
        EXPECT_TRUE(shared == "A" || shared == "B") << shared.value_or("<failed>");
        const std::vector<std::string> entries = FolderEntries(home.StoreFolder());
        ASSERT_EQ(entries.size(), damagedStore ? 2U : 1U);
        if (damagedStore) {
            EXPECT_EQ(ReadFileBytes(home.StoreFolder() + "/" + entries[1]), damaged);
        }
    }
}

}  // namespace
}  // namespace kestrins::testing
