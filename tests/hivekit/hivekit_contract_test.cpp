// The five calls' contract: round trips, types kept apart, untouched outputs on failure, the read
// limit and its message, key levels, case-insensitive names, deletes and bad arguments.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "support/temp_config_home.h"

namespace kestrins {
namespace {

using testing::CurrentUserStore;
using testing::FolderEntries;
using testing::MessageRecorder;
using testing::ReadRow;
using testing::StoredKeys;
using testing::TempConfigHome;

constexpr const char* kKey = "Software\\Tovarek\\Kestrin\\Settings";
constexpr char kUntouched = '#';
constexpr int32_t kUntouchedNumber = 424242;

// A caller's buffer pre-filled so that any write into it shows.
struct TextBuffer {
    TextBuffer() { std::memset(bytes, kUntouched, sizeof bytes); }
    bool Untouched() const {
        for (char byte : bytes) {
            if (byte != kUntouched) {
                return false;
            }
        }
        return true;
    }
    char bytes[HIVEKIT_TEXT_BUFFER_SIZE];
};

class HivekitContractTest : public ::testing::Test {
protected:
    std::string Store() const { return CurrentUserStore(home_); }

    TempConfigHome home_;
    MessageRecorder messages_;
};

TEST_F(HivekitContractTest, TextsComeBackByteForByte) {
    struct Case {
        const char* label;
        std::string keyPath;
        std::string valueName;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"plain", kKey, "PlayerName0", "Alice"},
        {"empty text", kKey, "PlayerName1", ""},
        {"japanese", kKey, "PlayerName2", "プレイヤー 2"},
        {"quotes and semicolons", "Soft'ware\\\"x\";DROP TABLE entries;--", "a'b\"c;d",
         "'); DELETE FROM entries; --"},
        {"percent signs and backslashes", kKey, "%s%d%n\\x", "100% \\ sure %s %n"},
        {"pattern characters", "So%tware\\_*?[", "Player_ame%", "x"},
        {"bytes that are not UTF-8", "\xff\xfe\\\x80", "\xc3\x28", "\xff\xfe\x80\xc0\xaf\x01"},
        {"longest readable text (stored size 2047)", kKey, "Long", std::string(2046, 'x')},
        {"dots in the key path", "..\\..\\..\\etc", "passwd", "root"},
        {"slashes in the key path", "../../../tmp/x", "../y", "z"},
    };
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Sentinel", "still here"), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_EQ(
            SetValueText(HKEY_CURRENT_USER, c.keyPath.c_str(), c.valueName.c_str(), c.text.c_str()),
            1);
        TextBuffer buffer;
        ASSERT_EQ(
            GetValueText(HKEY_CURRENT_USER, c.keyPath.c_str(), c.valueName.c_str(), buffer.bytes),
            1);
        EXPECT_EQ(std::string(buffer.bytes), c.text);
        // The terminating zero is not part of the stored bytes.
        EXPECT_EQ(ReadRow(Store(), c.keyPath, c.valueName)->data, c.text);
    }
    TextBuffer sentinel;
    ASSERT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Sentinel", sentinel.bytes), 1);
    EXPECT_STREQ(sentinel.bytes, "still here");
    // Key paths never reach the file system: one store file and nothing beside it.
    EXPECT_EQ(FolderEntries(home_.Path()), std::vector<std::string>{"hivekit"});
    EXPECT_EQ(FolderEntries(home_.StoreFolder()), std::vector<std::string>{"current_user.db"});
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(HivekitContractTest, NumbersComeBackAndAreStoredLittleEndian) {
    const std::vector<int32_t> numbers = {0, 1, -1, INT32_MIN, INT32_MAX, 0x01020304};
    for (int32_t number : numbers) {
        SCOPED_TRACE(number);
        ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Number", number), 1);
        int32_t read = kUntouchedNumber;
        ASSERT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "Number", &read), 1);
        EXPECT_EQ(read, number);
    }
    EXPECT_EQ(ReadRow(Store(), kKey, "Number")->data, std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(ReadRow(Store(), kKey, "Number")->type, 4);
}

TEST_F(HivekitContractTest, FailedReadsLeaveTheCallersBufferAndVariableAlone) {
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Text", "words"), 1);
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Number", 7), 1);
    struct Case {
        const char* label;
        const char* keyPath;
        const char* valueName;
    };
    const std::vector<Case> cases = {
        {"missing key", "Software\\Nobody", "Text"},
        {"missing value", kKey, "Nothing"},
        {"text read as a number or number read as text", kKey, nullptr},
        {"key itself, no default value", "Software\\Tovarek", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        // Each name holds the other type, so both reads must fail.
        const char* textName = c.valueName != nullptr ? c.valueName : "Number";
        const char* numberName = c.valueName != nullptr ? c.valueName : "Text";
        TextBuffer buffer;
        EXPECT_EQ(GetValueText(HKEY_CURRENT_USER, c.keyPath, textName, buffer.bytes), 0);
        EXPECT_TRUE(buffer.Untouched());
        int32_t number = kUntouchedNumber;
        EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, c.keyPath, numberName, &number), 0);
        EXPECT_EQ(number, kUntouchedNumber);
    }
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(HivekitContractTest, WritingTheOtherTypeReplacesTheValue) {
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Value", "text"), 1);
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Value", 5), 1);
    TextBuffer buffer;
    EXPECT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Value", buffer.bytes), 0);
    int32_t number = 0;
    EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "Value", &number), 1);
    EXPECT_EQ(number, 5);

    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Value", "back to text"), 1);
    number = kUntouchedNumber;
    EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "Value", &number), 0);
    EXPECT_EQ(number, kUntouchedNumber);
}

TEST_F(HivekitContractTest, TextsOfStoredSize2048OrMoreAreRefusedWithTheLimitMessage) {
    struct Case {
        std::size_t length;  // the stored size is one more: the terminating zero counts
        bool readable;
    };
    const std::vector<Case> cases = {{2046, true}, {2047, false}, {2048, false}, {9999, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'a');
        ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Long", text.c_str()), 1);
        const std::size_t messagesBefore = messages_.Messages().size();
        TextBuffer buffer;
        EXPECT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Long", buffer.bytes), c.readable ? 1 : 0);
        if (c.readable) {
            EXPECT_EQ(std::string(buffer.bytes), text);
            EXPECT_EQ(messages_.Messages().size(), messagesBefore);
            continue;
        }
        EXPECT_TRUE(buffer.Untouched());
        ASSERT_EQ(messages_.Messages().size(), messagesBefore + 1);
        const MessageRecorder::Message& message = messages_.Messages().back();
        EXPECT_EQ(message.caption, "制限");
        EXPECT_EQ(message.text,
                  "このDLLは\n2KB以上のテキストデータを読み込めない仕様になっています。\n"
                  "読み込もうとしているデータ量は " +
                      std::to_string(c.length + 1) + " バイトです。");
    }
}

TEST(HivekitMessageTest, WithoutAMessageFunctionTheLimitMessageGoesToStandardError) {
    TempConfigHome home;
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Long", std::string(2047, 'a').c_str()), 1);
    TextBuffer buffer;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Long", buffer.bytes), 0);
    const std::string output = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(output.find("制限"), std::string::npos);
    EXPECT_NE(output.find("データ量は 2048 バイトです。"), std::string::npos);
}

TEST_F(HivekitContractTest, WritesCreateEveryMissingKeyLevel) {
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, "A\\B\\C", "Deep", 3), 1);
    EXPECT_EQ(StoredKeys(Store()), (std::vector<std::string>{"A", "A\\B", "A\\B\\C"}));
    int32_t number = 0;
    EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, "A\\B\\C", "Deep", &number), 1);
    EXPECT_EQ(number, 3);

    // Levels already there under another spelling are kept; only the new one is added.
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, "a\\b\\D", "Other", "x"), 1);
    EXPECT_EQ(StoredKeys(Store()), (std::vector<std::string>{"A", "A\\B", "A\\B\\C", "a\\b\\D"}));
}

TEST_F(HivekitContractTest, NamesAndKeyPathsIgnoreCaseAndEmptyLevels) {
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "PlayerPattern2", 3), 1);
    struct Case {
        const char* keyPath;
        const char* valueName;
    };
    const std::vector<Case> spellings = {
        {kKey, "Playerpattern2"},
        {"SOFTWARE\\tovarek\\KESTRIN\\settings", "PLAYERPATTERN2"},
        {"\\Software\\\\Tovarek\\Kestrin\\Settings\\", "playerpattern2"},
    };
    for (const Case& c : spellings) {
        SCOPED_TRACE(c.keyPath);
        int32_t number = 0;
        EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, c.keyPath, c.valueName, &number), 1);
        EXPECT_EQ(number, 3);
    }
    // Writing under another spelling replaces the one value instead of adding a second.
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, "software\\TOVAREK\\kestrin\\SETTINGS",
                            "playerPATTERN2", 1),
              1);
    int32_t number = 0;
    EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "PlayerPattern2", &number), 1);
    EXPECT_EQ(number, 1);
    EXPECT_EQ(ReadRow(Store(), kKey, "PlayerPattern2")->data, std::string("\x01\0\0\0", 4));
    ASSERT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "PLAYERPATTERN2"), 1);
    EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "playerpattern2", &number), 0);
}

TEST_F(HivekitContractTest, ANullValueNameIsTheKeysDefaultValue) {
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, nullptr, "default"), 1);
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Named", "named"), 1);
    TextBuffer buffer;
    ASSERT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "", buffer.bytes), 1);
    EXPECT_STREQ(buffer.bytes, "default");

    EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, nullptr), 1);
    EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, ""), 0);
    EXPECT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, nullptr, buffer.bytes), 0);
    // Deleting the default value keeps the key and its other values.
    EXPECT_EQ(StoredKeys(Store()).back(), kKey);
    ASSERT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Named", buffer.bytes), 1);
    EXPECT_STREQ(buffer.bytes, "named");
}

TEST_F(HivekitContractTest, DeleteRemovesOnlyAnExistingValue) {
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Gone", 1), 1);
    ASSERT_EQ(SetValueText(HKEY_CURRENT_USER, kKey, "Kept", "kept"), 1);
    struct Case {
        const char* label;
        const char* keyPath;
        const char* valueName;
        unsigned char expected;
    };
    const std::vector<Case> cases = {
        {"existing value", kKey, "Gone", 1},
        {"same value again", kKey, "Gone", 0},
        {"value never written", kKey, "Never", 0},
        {"missing key", "Software\\Nobody", "Kept", 0},
        {"a level above the value's key", "Software\\Tovarek", "Kept", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, c.keyPath, c.valueName), c.expected);
    }
    int32_t number = kUntouchedNumber;
    EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "Gone", &number), 0);
    TextBuffer buffer;
    ASSERT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Kept", buffer.bytes), 1);
    EXPECT_STREQ(buffer.bytes, "kept");
    // The key stays even when its last value goes.
    ASSERT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "Kept"), 1);
    EXPECT_EQ(StoredKeys(Store()).back(), kKey);
}

TEST_F(HivekitContractTest, RootsAreKeptApart) {
    ASSERT_EQ(SetValueDWORD(HKEY_CURRENT_USER, kKey, "Where", 1), 1);
    int32_t number = kUntouchedNumber;
    EXPECT_EQ(GetValueDWORD(HKEY_LOCAL_MACHINE, kKey, "Where", &number), 0);
    EXPECT_EQ(number, kUntouchedNumber);
    ASSERT_EQ(SetValueDWORD(HKEY_LOCAL_MACHINE, kKey, "Where", 2), 1);
    ASSERT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "Where", &number), 1);
    EXPECT_EQ(number, 1);
    EXPECT_EQ(FolderEntries(home_.StoreFolder()),
              (std::vector<std::string>{"current_user.db", "local_machine.db"}));
}

TEST_F(HivekitContractTest, ReadsAndDeletesNeverCreateAStore) {
    TextBuffer buffer;
    int32_t number = kUntouchedNumber;
    EXPECT_EQ(GetValueText(HKEY_CURRENT_USER, kKey, "Name", buffer.bytes), 0);
    EXPECT_EQ(GetValueDWORD(HKEY_CURRENT_USER, kKey, "Name", &number), 0);
    EXPECT_EQ(DeleteValue(HKEY_CURRENT_USER, kKey, "Name"), 0);
    EXPECT_TRUE(FolderEntries(home_.Path()).empty());
}

TEST_F(HivekitContractTest, BadArgumentsFailWithoutTouchingAnything) {
    const auto zeroExtended = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000001U));
    const HKEY unknownRoots[] = {HIVEKIT_ROOT(0x80000004), HIVEKIT_ROOT(0), nullptr, zeroExtended};
    TextBuffer buffer;
    int32_t number = kUntouchedNumber;
    struct Case {
        const char* label;
        std::function<unsigned char()> call;
    };
    std::vector<Case> cases = {
        {"null key path: set text",
         [] { return SetValueText(HKEY_CURRENT_USER, nullptr, "a", "b"); }},
        {"null key path: set number",
         [] { return SetValueDWORD(HKEY_CURRENT_USER, nullptr, "a", 1); }},
        {"null key path: get text",
         [&] { return GetValueText(HKEY_CURRENT_USER, nullptr, "a", buffer.bytes); }},
        {"null key path: get number",
         [&] { return GetValueDWORD(HKEY_CURRENT_USER, nullptr, "a", &number); }},
        {"null key path: delete", [] { return DeleteValue(HKEY_CURRENT_USER, nullptr, "a"); }},
        {"null text", [] { return SetValueText(HKEY_CURRENT_USER, kKey, "a", nullptr); }},
        {"null buffer", [] { return GetValueText(HKEY_CURRENT_USER, kKey, "a", nullptr); }},
        {"null number", [] { return GetValueDWORD(HKEY_CURRENT_USER, kKey, "a", nullptr); }},
    };
    for (HKEY root : unknownRoots) {
        cases.push_back(
            {"unknown root: set text", [=] { return SetValueText(root, kKey, "a", "b"); }});
        cases.push_back(
            {"unknown root: set number", [=] { return SetValueDWORD(root, kKey, "a", 1); }});
        cases.push_back({"unknown root: get text",
                         [&, root] { return GetValueText(root, kKey, "a", buffer.bytes); }});
        cases.push_back({"unknown root: get number",
                         [&, root] { return GetValueDWORD(root, kKey, "a", &number); }});
        cases.push_back({"unknown root: delete", [=] { return DeleteValue(root, kKey, "a"); }});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.call(), 0);
    }
    EXPECT_TRUE(buffer.Untouched());
    EXPECT_EQ(number, kUntouchedNumber);
    EXPECT_TRUE(FolderEntries(home_.Path()).empty());
}

}  // namespace
}  // namespace kestrins
