// Fuzz target for the stored settings: the sixteen values and the game speed get arbitrary types
// and contents (and names in any case), then the start-up load and the exit save run. The loaded
// state must be what the stored values describe, within its clamps, and the save must write exactly
// the values described for its mode.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/mdl_main.h"
#include "hivekit.h"
#include "hivekit/store_probe.h"
#include "hivekit_model.h"
#include "platform/hivekit_binding.h"
#include "scratch_store.h"
#include "settings/settings.h"
#include "settings/startup.h"
#include "sqlite_setup.h"

namespace {

using kestrins::fuzz::Fail;
using kestrins::fuzz::Folded;
using kestrins::testing::RunSql;

constexpr int kTextType = 1;
constexpr int kNumberType = 4;

struct Row {
    int Type = 0;
    std::string Data;
};

// A value of the same key that is not the program's: the exit save leaves it alone.
const Row kOtherValue{kTextType, "kept"};

// Stored rows by value name folded to lower case.
using Rows = std::map<std::string, Row>;

std::string NumberBytes(int32_t number) {
    std::string bytes(4, '\0');
    std::memcpy(bytes.data(), &number, 4);
    return bytes;
}

// In the order the input describes them.
const std::array<std::string, 18> kValueNames = {
    "PlayerName0",    "PlayerPattern0", "PlayerMoney0",   "PlayerName1",  "PlayerPattern1",
    "PlayerMoney1",   "PlayerName2",    "PlayerPattern2", "PlayerMoney2", "PlayerName3",
    "PlayerPattern3", "PlayerMoney3",   "SaveType",       "CardType",     "DropCount",
    "ShowMoney",      "GameSpeed",      "TableSize"};

// Upper-case hex, as SQLite's hex() writes it.
std::string Hex(const std::string& bytes) {
    std::string hex;
    for (const unsigned char c : bytes) {
        hex += {"0123456789ABCDEF"[c >> 4], "0123456789ABCDEF"[c & 15]};
    }
    return hex;
}

// Any type code and any bytes, as another program could have stored them; the names are plain.
std::string PutSql(const std::string& name, const Row& row) {
    return "INSERT OR REPLACE INTO entries VALUES('" + std::string(kestrins::SettingsKey) + "', '" +
           name + "', " + std::to_string(row.Type) + ", X'" + Hex(row.Data) + "');";
}

// The rows as "name type HEX" lines, the name folded, in name order.
std::vector<std::string> Lines(const Rows& rows) {
    std::vector<std::string> lines;
    for (const auto& [name, row] : rows) {
        lines.push_back(name + " " + std::to_string(row.Type) + " " + Hex(row.Data));
    }
    return lines;
}

// The same lines for the values of the settings key in the store.
std::vector<std::string> StoredLines(const std::string& path) {
    return RunSql(path,
                  "SELECT lower(value_name) || ' ' || type || ' ' || hex(data) FROM entries "
                  "WHERE key_path = '" +
                      std::string(kestrins::SettingsKey) +
                      "' AND value_name <> '' ORDER BY lower(value_name)");
}

// The stored row of that name and type, if any.
const Row* Find(const Rows& rows, const std::string& name, int type) {
    const auto found = rows.find(Folded(name));
    return found != rows.end() && found->second.Type == type ? &found->second : nullptr;
}

bool OverReadLimit(const Row* text) {
    return text != nullptr && text->Data.size() + 1 >= HIVEKIT_TEXT_BUFFER_SIZE;
}

// A value as the library reads it; nothing when the read fails.
std::optional<std::string> ReadableText(const Rows& rows, const std::string& name) {
    const Row* text = Find(rows, name, kTextType);
    if (text == nullptr || OverReadLimit(text)) {
        return std::nullopt;
    }
    return text->Data.substr(0, text->Data.find('\0'));
}

std::optional<int32_t> ReadableNumber(const Rows& rows, const std::string& name) {
    const Row* number = Find(rows, name, kNumberType);
    if (number == nullptr || number->Data.size() != 4) {
        return std::nullopt;
    }
    int32_t value = 0;
    std::memcpy(&value, number->Data.data(), 4);
    return value;
}

// The names read as text that are over the read limit: one message each.
int LongNames(const Rows& rows) {
    int count = 0;
    for (int seat = 0; seat < 4; ++seat) {
        count += OverReadLimit(Find(rows, "PlayerName" + std::to_string(seat), kTextType));
    }
    return count;
}

// What the start-up load makes of the stored values.
kestrins::MdlMain ExpectedLoad(const Rows& rows, bool& showMoney) {
    kestrins::MdlMain state;
    int32_t pattern = 0;
    for (int seat = 0; seat < 4; ++seat) {
        const std::string digit = std::to_string(seat);
        kestrins::Player& player = state.Players[seat];
        const std::string name = ReadableText(rows, "PlayerName" + digit).value_or("");
        player.Name = name.empty() ? "プレイヤー " + digit : name;
        pattern = ReadableNumber(rows, "PlayerPattern" + digit).value_or(pattern);
        player.Pattern = std::clamp(pattern, 0, 3);
        player.Money = ReadableNumber(rows, "PlayerMoney" + digit).value_or(seat == 0 ? 100 : 500);
    }
    state.SaveType = ReadableNumber(rows, "SaveType").value_or(0);
    state.CardType = std::clamp(ReadableNumber(rows, "CardType").value_or(0), 0, 4);
    state.DropCount = std::max(ReadableNumber(rows, "DropCount").value_or(5), 0);
    state.GameSpeed = std::clamp(ReadableNumber(rows, "GameSpeed").value_or(0), 0, 2);
    state.TableSize = std::clamp(ReadableNumber(rows, "TableSize").value_or(0), 0, 2);
    showMoney = ReadableNumber(rows, "ShowMoney").value_or(0) != 0;
    return state;
}

// What the exit save leaves stored.
Rows ExpectedSave(const kestrins::MdlMain& state, int32_t saveMode, bool showMoney) {
    Rows rows{{"other", kOtherValue}};
    for (int seat = 0; seat < 4; ++seat) {
        const std::string digit = std::to_string(seat);
        const kestrins::Player& player = state.Players[seat];
        rows[Folded("PlayerName" + digit)] = Row{kTextType, player.Name};
        rows[Folded("PlayerPattern" + digit)] = Row{kNumberType, NumberBytes(player.Pattern)};
        if (saveMode == 1) {
            rows[Folded("PlayerMoney" + digit)] = Row{kNumberType, NumberBytes(player.Money)};
        }
    }
    rows["savetype"] = Row{kNumberType, NumberBytes(state.SaveType)};
    rows["cardtype"] = Row{kNumberType, NumberBytes(state.CardType)};
    rows["dropcount"] = Row{kNumberType, NumberBytes(state.DropCount)};
    rows["showmoney"] = Row{kNumberType, NumberBytes(showMoney ? 1 : 0)};
    // Kept only while they differ from their default, so a store at the defaults holds sixteen.
    if (state.GameSpeed != 0) {
        rows["gamespeed"] = Row{kNumberType, NumberBytes(state.GameSpeed)};
    }
    if (state.TableSize != 0) {
        rows["tablesize"] = Row{kNumberType, NumberBytes(state.TableSize)};
    }
    return rows;
}

// The name in lower case, in upper case, or (half the time) as it is.
std::string CaseVariant(FuzzedDataProvider& input, std::string name) {
    const int variant = input.ConsumeIntegralInRange(0, 3);
    if (variant == 1) {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
    }
    return variant == 0 ? Folded(name) : name;
}

// One stored value: missing, a text, a number, or a row of any type with any bytes.
std::optional<Row> StoredRow(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 4)) {
        case 0:
            return std::nullopt;
        case 1: {
            const std::string text =
                input.ConsumeBool() ? input.ConsumeRandomLengthString(2100)
                                    : std::string(input.ConsumeIntegralInRange(2045, 2049), 'N');
            return Row{kTextType, text.substr(0, text.find('\0'))};
        }
        case 2:
        case 3:
            return Row{kNumberType, NumberBytes(input.ConsumeIntegral<int32_t>())};
        default:
            return Row{input.ConsumeIntegralInRange(-1, 8), input.ConsumeRandomLengthString(16)};
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = kestrins::fuzz::FreshScratchHome().StoreFile();
    static kestrins::testing::MessageRecorder messages;
    static kestrins::HivekitBinding binding(kestrins::DefaultHivekitPaths());
    // Handed to the library when the binding loads it, which would otherwise silence the count.
    binding.SetMessageFunction(&kestrins::testing::MessageRecorder::Record);
    FuzzedDataProvider input(data, size);

    // A store with the schema and the key, then the values as the input says.
    SetValueDWORD(HKEY_CURRENT_USER, kestrins::SettingsKey, "", 0);
    Rows stored{{"other", kOtherValue}};
    std::string sql = "BEGIN;" + PutSql("Other", kOtherValue);
    for (const std::string& name : kValueNames) {
        const std::string storedName = CaseVariant(input, name);
        if (const std::optional<Row> row = StoredRow(input)) {
            sql += PutSql(storedName, *row);
            stored[Folded(name)] = *row;
        }
    }
    RunSql(path, sql + "COMMIT;");
    messages.Clear();

    kestrins::MdlMain state;
    const bool showMoney = kestrins::StartUp(state, binding).ShowMoney;
    bool expectedShowMoney = false;
    const kestrins::MdlMain expected = ExpectedLoad(stored, expectedShowMoney);
    if (state.Players != expected.Players) {
        Fail("a seat loaded other than stored");
    }
    if (state.SaveType != expected.SaveType || state.CardType != expected.CardType ||
        state.DropCount != expected.DropCount || state.GameSpeed != expected.GameSpeed ||
        state.TableSize != expected.TableSize || showMoney != expectedShowMoney ||
        state.Winner != 3 || state.RaiseHistory.size() != 1) {
        Fail("the start-up state differs from the stored values");
    }
    if (messages.Count("制限") != LongNames(stored)) {
        Fail("not one limit message per text over the limit");
    }

    // The close handler's modes: 1, 2, or the policy when it is not 0.
    const std::array<int32_t, 3> modes = {1, 2, state.SaveType != 0 ? state.SaveType : 1};
    const int32_t saveMode = modes[input.ConsumeIntegralInRange<std::size_t>(0, 2)];
    kestrins::DeleteSettings(saveMode, binding);
    kestrins::SaveSettings(state, saveMode, showMoney, binding);
    if (StoredLines(path) != Lines(ExpectedSave(state, saveMode, showMoney))) {
        Fail("the exit save wrote other values than described");
    }
    kestrins::fuzz::CheckSqliteReleased();
    return 0;
}
