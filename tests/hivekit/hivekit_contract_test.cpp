// The five calls' contract where the model fuzz target cannot see it: bytes kept exactly and off
// the file system, the stored number format, numbers of another size and deletes of what is not
// set, the read limit's message, key levels and names without case, and the cause each failure
// leaves in errno.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "support/temp_config_home.h"

namespace kestrins::testing {
namespace {

class HivekitContractTest : public ::testing::Test {
protected:
    TempConfigHome home_;
    MessageRecorder messages_;
};

TEST_F(HivekitContractTest, TextsComeBackByteForByte) {
    const struct {
        const char* label;
        std::string keyPath;
        std::string valueName;
        std::string text;
    } cases[] = {
        {"quotes and semicolons", "Soft'ware\\\"x\";DROP TABLE entries;--", "a'b\"c;d",
         "'); DELETE FROM entries; --"},
        {"percent signs and backslashes", kKey, "%s%d%n\\x", "100% \\ sure %s %n"},
        {"dots in the key path", "..\\..\\..\\etc", "passwd", "root"},
        {"slashes in the key path", "../../../tmp/x", "../y", "z"},
    };
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Sentinel", "still here"), 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_EQ(
            SetValueText(HKEY_CURRENT_USER, c.keyPath.c_str(), c.valueName.c_str(), c.text.c_str()),
            1);
        EXPECT_EQ(ReadText(c.valueName.c_str(), c.keyPath.c_str()), c.text);
    }
    EXPECT_EQ(ReadText("Sentinel"), "still here");
    EXPECT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Sentinel", nullptr), 0);
    // Key paths never reach the file system: one store file and nothing beside it.
    EXPECT_EQ(FolderEntries(home_.Path()), std::vector<std::string>{"hivekit"});
    EXPECT_EQ(FolderEntries(home_.StoreFolder()), std::vector<std::string>{"current_user.db"});
    EXPECT_TRUE(messages_.Messages().empty());
}

// Writing a number over a text of the same name replaces it: one row, the other type gone. A read
// into no variable fails even for a value that is there. Round trips of any number, and which
// deletes succeed, are pinned by the model fuzz target; the model cannot see the rows.
TEST_F(HivekitContractTest, NumbersStoredLittleEndianReplaceATextAndKeysOutliveTheirLastValue) {
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Number", "text"), 1);
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Number", 0x01020304), 1);
    EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "Number", nullptr), 0);
    // Stores already on players' disks hold numbers in this form.
    EXPECT_EQ(RunSql(home_.StoreFile(),
                     "SELECT type || ':' || hex(data) FROM entries WHERE value_name = 'Number'"),
              std::vector<std::string>{"4:04030201"});
    // Every level of the path is a key, and stays one when its last value goes.
    ASSERT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "Number"), 1);
    EXPECT_EQ(RunSql(home_.StoreFile(),
                     "SELECT key_path FROM entries WHERE value_name = '' ORDER BY key_path"),
              (std::vector<std::string>{"Software", "Software\\Tovarek",
                                        "Software\\Tovarek\\Kestrin", kKey}));
}

// Another program may store a number of another size; neither it nor a delete of a value that is
// not set is damage: the call fails, outputs and file stay as they were, nothing is said.
TEST_F(HivekitContractTest, NumbersOfAnotherSizeAndDeletesOfUnsetValuesFailAndChangeNothing) {
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Number", 7), 1);
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Name", "kept"), 1);
    for (const char* data : {"x'010203'", "x'0102030405060708'"}) {
        SCOPED_TRACE(data);
        RunSql(home_.StoreFile(),
               std::string("UPDATE entries SET data = ") + data + " WHERE value_name = 'Number'");
        int32_t number = -5;
        EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "Number", &number), 0);
        EXPECT_EQ(number, -5);
    }
    const std::string before = ReadFileBytes(home_.StoreFile());
    EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "Missing"), 0);
    EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, nullptr), 0);  // the key's unset default
    EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, "Software\\Elsewhere", "Name"), 0);
    EXPECT_EQ(ReadFileBytes(home_.StoreFile()), before);
    EXPECT_EQ(ReadText("Name"), "kept");
    // The next write replaces the odd number in the same store.
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Number", 9), 1);
    EXPECT_EQ(ReadNumber("Number"), 9);
    EXPECT_EQ(FolderEntries(home_.StoreFolder()), std::vector<std::string>{"current_user.db"});
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(HivekitContractTest, TextsOfStoredSize2048OrMoreAreRefusedWithTheLimitMessage) {
    // The stored size is one more than the length: the terminating zero counts. The model fuzz
    // target pins the boundary; this pins the message's words.
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Long", std::string(2047, 'a').c_str()), 1);
    EXPECT_EQ(ReadText("Long"), std::nullopt);
    ASSERT_EQ(messages_.Messages().size(), 1U);
    EXPECT_EQ(messages_.Messages()[0].caption, "制限");
    EXPECT_EQ(messages_.Messages()[0].text,
              "このDLLは\n2KB以上のテキストデータを読み込めない仕様になっています。\n"
              "読み込もうとしているデータ量は 2048 バイトです。");
}

TEST_F(HivekitContractTest, NamesAndKeyPathsIgnoreCaseAndEmptyLevels) {
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "PlayerPattern2", 3), 1);
    for (const char* keyPath :
         {"SOFTWARE\\tovarek\\KESTRIN\\settings", "\\Software\\\\Tovarek\\Kestrin\\Settings\\"}) {
        SCOPED_TRACE(keyPath);
        EXPECT_EQ(ReadNumber("Playerpattern2", keyPath), 3);
    }
    // Another spelling names the same one value: it replaces it, and its delete removes it.
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, "software\\TOVAREK\\kestrin\\SETTINGS",
                            "playerPATTERN2", 1),
              1);
    EXPECT_EQ(ReadNumber("PlayerPattern2"), 1);
    ASSERT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "PLAYERPATTERN2"), 1);
    EXPECT_EQ(ReadNumber("playerpattern2"), std::nullopt);
}

// The program names the cause to the player; a wrong errno would tell the wrong mend. (A full
// disk, a folder that may not be written and a long lock are in the store file and I/O tests.)
TEST_F(HivekitContractTest, AFailedCallLeavesItsCauseInErrno) {
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Text", "t"), 1);
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Long", std::string(2047, 'a').c_str()), 1);
    char buffer[HIVEKIT_TEXT_BUFFER_SIZE];
    int32_t number = 0;
    const struct {
        const char* label;
        std::function<unsigned char()> call;
        int cause;
    } cases[] = {
        {"a value not stored",
         [&] { return GetValueDWORD(HKEY_CURRENT_USER, kKey, "Missing", &number); }, ENOENT},
        {"a text read as a number",
         [&] { return GetValueDWORD(HKEY_CURRENT_USER, kKey, "Text", &number); }, ENOENT},
        {"a key not there",
         [&] { return GetValueText(HKEY_CURRENT_USER, "Nowhere", "Text", buffer); }, ENOENT},
        {"a delete of a value not stored",
         [&] { return DeleteValue(HKEY_CURRENT_USER, kKey, "Missing"); }, ENOENT},
        {"a text over the read limit",
         [&] { return GetValueText(HKEY_CURRENT_USER, kKey, "Long", buffer); }, EMSGSIZE},
        {"no key path", [&] { return SetValueDWORD(HKEY_CURRENT_USER, nullptr, "a", 1); }, EINVAL},
        {"no text", [&] { return SetValueText(HKEY_CURRENT_USER, kKey, "a", nullptr); }, EINVAL},
        {"no buffer", [&] { return GetValueText(HKEY_CURRENT_USER, kKey, "Text", nullptr); },
         EINVAL},
        {"an unknown root", [&] { return SetValueDWORD(HIVEKIT_ROOT(0x80000004), kKey, "a", 1); },
         EINVAL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        errno = 0;
        EXPECT_EQ(c.call(), 0);
        EXPECT_EQ(errno, c.cause) << std::strerror(errno);
    }

    // No store yet, and a file where the store's folder belongs.
    TempConfigHome fresh;
    errno = 0;
    EXPECT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Text", buffer), 0);
    EXPECT_EQ(errno, ENOENT);
    std::ofstream(fresh.StoreFolder()) << "not a folder";
    errno = 0;
    EXPECT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Text", "t"), 0);
    EXPECT_EQ(errno, ENOTDIR);
}

}  // namespace
}  // namespace kestrins::testing
