// Load with fallbacks and clamping; save by overwriting in place.
#include "settings/settings.h"

#include <algorithm>
#include <array>
#include <string>

#include "game/constants.h"
#include "platform/hivekit_binding.h"

namespace kestrins {

namespace {

std::string SeatValue(const char* prefix, int seat) {
    return prefix + std::to_string(seat);
}

std::string DefaultName(int seat) {
    return "プレイヤー " + std::to_string(seat);
}

int32_t DefaultMoney(int seat) {
    return seat == 0 ? StartingMoneyHuman : StartingMoneyComputer;
}

}  // namespace

bool LoadSettings(MdlMain& state, HivekitBinding& store) {
    int32_t pattern = 0;  // a missing pattern repeats the previous seat's
    for (int i = 0; i < SeatCount; ++i) {
        Player& player = state.Players[i];

        std::array<char, HIVEKIT_TEXT_BUFFER_SIZE> buffer{};
        store.GetValueText(HKEY_CURRENT_USER, SettingsKey, SeatValue("PlayerName", i).c_str(),
                           buffer.data());
        buffer.back() = '\0';
        player.Name = buffer.data();
        if (player.Name.empty()) {
            player.Name = DefaultName(i);
        }

        store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, SeatValue("Playerpattern", i).c_str(),
                            &pattern);
        player.Pattern = std::clamp(pattern, 0, PatternCount - 1);

        int32_t money = 0;
        player.Money = store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey,
                                           SeatValue("PlayerMoney", i).c_str(), &money) != 0
                           ? money
                           : DefaultMoney(i);
    }

    store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "SaveType", &state.SaveType);
    store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "CardType", &state.CardType);
    state.CardType = std::clamp(state.CardType, 0, CardTypeCount - 1);
    if (store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "DropCount", &state.DropCount) == 0) {
        state.DropCount = StartingDropCount;
    }
    // A negative allowance would never run out.
    state.DropCount = std::max(state.DropCount, 0);

    int32_t showMoney = 0;
    store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "ShowMoney", &showMoney);
    return showMoney != 0;
}

void DeleteSettings(int32_t saveMode, HivekitBinding& store) {
    if (saveMode == 1) {
        return;
    }
    for (int i = 0; i < SeatCount; ++i) {
        store.DeleteValue(HKEY_CURRENT_USER, SettingsKey, SeatValue("PlayerMoney", i).c_str());
    }
}

void SaveSettings(const MdlMain& state, int32_t saveMode, bool showMoney, HivekitBinding& store) {
    for (int i = 0; i < SeatCount; ++i) {
        const Player& player = state.Players[i];
        store.SetValueText(HKEY_CURRENT_USER, SettingsKey, SeatValue("PlayerName", i).c_str(),
                           player.Name.c_str());
        store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, SeatValue("PlayerPattern", i).c_str(),
                            player.Pattern);
        if (saveMode == 1) {
            store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, SeatValue("PlayerMoney", i).c_str(),
                                player.Money);
        }
    }
    store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "SaveType", state.SaveType);
    store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "CardType", state.CardType);
    store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "DropCount", state.DropCount);
    store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "ShowMoney", showMoney ? 1 : 0);
}

}  // namespace kestrins
