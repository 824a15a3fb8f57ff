// Load with fallbacks and clamping; save by overwriting in place.
#include "settings/settings.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "game/constants.h"
#include "platform/hivekit_binding.h"
#include "platform/translated_text.h"
#include "settings/optional_value.h"

namespace kestrins {

namespace {

std::string SeatValue(const char* prefix, int seat) {
    return prefix + std::to_string(seat);
}

constexpr const char* DefaultNameText = QT_TRANSLATE_NOOP("Settings", "プレイヤー %1");

// A name the player never changed is stored in the program's own words, so that every language
// shows its own default and a store from any earlier run reads the same.
std::string StoredDefaultName(int seat) {
    return QString::fromUtf8(DefaultNameText).arg(seat).toStdString();
}

std::string DefaultName(int seat) {
    return QCoreApplication::translate("Settings", DefaultNameText).arg(seat).toStdString();
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
        if (player.Name.empty() || player.Name == StoredDefaultName(i)) {
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
    store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "GameSpeed", &state.GameSpeed);
    state.GameSpeed = std::clamp(state.GameSpeed, 0, SpeedCount - 1);
    store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "TableSize", &state.TableSize);
    state.TableSize = std::clamp(state.TableSize, 0, TableSizeCount - 1);

    int32_t coach = 0;
    store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "ExchangeCoach", &coach);
    state.ExchangeCoach = coach != 0;
    int32_t sound = 1;
    store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "SoundEffects", &sound);
    state.SoundEffects = sound != 0;
    store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "SoundVolume", &state.SoundVolume);
    state.SoundVolume = std::clamp(state.SoundVolume, 0, VolumeStepCount - 1);

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

std::vector<std::string> SaveSettings(const MdlMain& state, int32_t saveMode, bool showMoney,
                                      HivekitBinding& store) {
    std::vector<std::string> unsaved;
    const auto note = [&unsaved](bool written, const char* what) {
        if (!written && std::find(unsaved.begin(), unsaved.end(), what) == unsaved.end()) {
            unsaved.emplace_back(what);
        }
    };
    for (int i = 0; i < SeatCount; ++i) {
        const Player& player = state.Players[i];
        const std::string name = player.Name == DefaultName(i) ? StoredDefaultName(i) : player.Name;
        note(store.SetValueText(HKEY_CURRENT_USER, SettingsKey, SeatValue("PlayerName", i).c_str(),
                                name.c_str()),
             QT_TRANSLATE_NOOP("Settings", "名前"));
        note(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey,
                                 SeatValue("PlayerPattern", i).c_str(), player.Pattern),
             QT_TRANSLATE_NOOP("Settings", "思考タイプ"));
        if (saveMode == 1) {
            note(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey,
                                     SeatValue("PlayerMoney", i).c_str(), player.Money),
                 QT_TRANSLATE_NOOP("Settings", "所持金"));
        }
    }
    note(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "SaveType", state.SaveType),
         QT_TRANSLATE_NOOP("Settings", "データ保存の設定"));
    note(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "CardType", state.CardType),
         QT_TRANSLATE_NOOP("Settings", "カードの模様"));
    note(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "DropCount", state.DropCount),
         QT_TRANSLATE_NOOP("Settings", "ドロップ可能回数"));
    note(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "ShowMoney", showMoney ? 1 : 0),
         QT_TRANSLATE_NOOP("Settings", "所持金の確認ウィンドウ"));
    note(SaveOptionalValue(store, "GameSpeed", state.GameSpeed, MdlMain{}.GameSpeed),
         QT_TRANSLATE_NOOP("Settings", "ゲームの速さ"));
    note(SaveOptionalValue(store, "TableSize", state.TableSize, MdlMain{}.TableSize),
         QT_TRANSLATE_NOOP("Settings", "表示の大きさ"));
    note(SaveOptionalValue(store, "ExchangeCoach", state.ExchangeCoach ? 1 : 0, 0),
         QT_TRANSLATE_NOOP("Settings", "交換のヒント"));
    note(SaveOptionalValue(store, "SoundEffects", state.SoundEffects ? 1 : 0, 1),
         QT_TRANSLATE_NOOP("Settings", "効果音"));
    note(SaveOptionalValue(store, "SoundVolume", state.SoundVolume, MdlMain{}.SoundVolume),
         QT_TRANSLATE_NOOP("Settings", "効果音の音量"));
    return unsaved;
}

std::vector<std::string> SaveAtClose(const MdlMain& state, int32_t choice, bool showMoney,
                                     HivekitBinding& store) {
    if (choice != 0) {
        DeleteSettings(choice, store);
    }
    return SaveSettings(state, choice == 1 ? 1 : 2, showMoney, store);
}

std::string SaveFailureMessage(const std::vector<std::string>& unsaved) {
    QStringList what;
    for (const std::string& item : unsaved) {
        what << TranslatedText("Settings", item);
    }
    // Where the settings library keeps the current user's values, by the rule its header gives.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string folder = config != nullptr && config[0] == '/' ? std::string(config)
                               : home != nullptr && home[0] == '/' ? std::string(home) + "/.config"
                                                                   : std::string("~/.config");
    return QCoreApplication::translate(
               "Settings",
               "設定を保存できませんでした。\n保存できなかったもの : %1\n"
               "保存先 : %2/hivekit/current_user.db\n"
               "書き込めるようにしてから「再試行」を押すと、もう一度保存します。"
               "「キャンセル」でゲームに戻ります。「変更を破棄」で保存せずに終了すると、"
               "次に起動したときは前に保存された内容か最初の値で始まります。")
        .arg(what.join(QCoreApplication::translate("Settings", "、")),
             QString::fromStdString(folder))
        .toStdString();
}

}  // namespace kestrins
