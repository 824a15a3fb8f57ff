// Load with fallbacks and clamping; save by overwriting in place.
#include "settings/settings.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
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

// 0 when the call succeeded, else why it failed.
int Failure(unsigned char result, const HivekitBinding& store) {
    return result != 0 ? 0 : store.LastError();
}

int WriteNumber(HivekitBinding& store, const std::string& name, int32_t value) {
    return Failure(store.SetValueDWORD(HKEY_CURRENT_USER, SettingsKey, name.c_str(), value), store);
}

int WriteName(const MdlMain& state, int seat, HivekitBinding& store) {
    const std::string& name = state.Players[seat].Name;
    const std::string stored = name == DefaultName(seat) ? StoredDefaultName(seat) : name;
    return Failure(store.SetValueText(HKEY_CURRENT_USER, SettingsKey,
                                      SeatValue("PlayerName", seat).c_str(), stored.c_str()),
                   store);
}

int WritePattern(const MdlMain& state, int seat, HivekitBinding& store) {
    return WriteNumber(store, SeatValue("PlayerPattern", seat), state.Players[seat].Pattern);
}

constexpr const char* NameItem = QT_TRANSLATE_NOOP("Settings", "名前");
constexpr const char* PatternItem = QT_TRANSLATE_NOOP("Settings", "思考タイプ");
constexpr const char* MoneyItem = QT_TRANSLATE_NOOP("Settings", "所持金");

// What the player reads for a cause of failure.
QString CauseText(int cause) {
    switch (cause) {
        case ENOSPC:
        case EDQUOT:
            return QCoreApplication::translate("Settings", "ディスクに空きがありません");
        case EACCES:
        case EPERM:
        case EROFS:
            return QCoreApplication::translate("Settings",
                                               "設定のフォルダーかファイルへのアクセスが"
                                               "許可されていません");
        case EBUSY:
            return QCoreApplication::translate("Settings",
                                               "ほかのプログラムが設定ファイルを使っています");
        default:
            // The system's own words, in the system's language.
            return QString::fromLocal8Bit(std::strerror(cause));
    }
}

// What mends the cause, before "Retry".
QString Remedy(int cause) {
    switch (cause) {
        case ENOSPC:
        case EDQUOT:
            return QCoreApplication::translate("Settings", "ディスクに空きを作ってから");
        case EACCES:
        case EPERM:
        case EROFS:
            return QCoreApplication::translate("Settings",
                                               "フォルダーとファイルを書き込めるようにしてから");
        case EBUSY:
            return QCoreApplication::translate("Settings", "しばらく待ってから");
        default:
            return QCoreApplication::translate("Settings", "原因を取り除いてから");
    }
}

}  // namespace

LoadedSettings LoadSettings(MdlMain& state, HivekitBinding& store) {
    LoadedSettings loaded;
    // Notes why a read failed where that is more than a value not stored.
    const auto read = [&loaded, &store](unsigned char result) {
        const int error = Failure(result, store);
        const bool told = error == ENOENT || error == EBADMSG || error == EMSGSIZE ||
                          error == ENOSYS;  // the library or the binding has said so
        if (loaded.Cause == 0 && error != 0 && !told) {
            loaded.Cause = error;
        }
        return result;
    };
    int32_t pattern = 0;  // a missing pattern repeats the previous seat's
    for (int i = 0; i < SeatCount; ++i) {
        Player& player = state.Players[i];

        std::array<char, HIVEKIT_TEXT_BUFFER_SIZE> buffer{};
        read(store.GetValueText(HKEY_CURRENT_USER, SettingsKey, SeatValue("PlayerName", i).c_str(),
                                buffer.data()));
        buffer.back() = '\0';
        player.Name = buffer.data();
        if (player.Name.empty() || player.Name == StoredDefaultName(i)) {
            player.Name = DefaultName(i);
        }

        read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey,
                                 SeatValue("Playerpattern", i).c_str(), &pattern));
        player.Pattern = std::clamp(pattern, 0, PatternCount - 1);

        int32_t money = 0;
        player.Money = read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey,
                                                SeatValue("PlayerMoney", i).c_str(), &money)) != 0
                           ? money
                           : DefaultMoney(i);
    }

    read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "SaveType", &state.SaveType));
    read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "CardType", &state.CardType));
    state.CardType = std::clamp(state.CardType, 0, CardTypeCount - 1);
    if (read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "DropCount", &state.DropCount)) ==
        0) {
        state.DropCount = StartingDropCount;
    }
    // A negative allowance would never run out.
    state.DropCount = std::max(state.DropCount, 0);
    read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "GameSpeed", &state.GameSpeed));
    state.GameSpeed = std::clamp(state.GameSpeed, 0, SpeedCount - 1);
    read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "TableSize", &state.TableSize));
    state.TableSize = std::clamp(state.TableSize, 0, TableSizeCount - 1);

    int32_t coach = 0;
    read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "ExchangeCoach", &coach));
    state.ExchangeCoach = coach != 0;
    int32_t sound = 1;
    read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "SoundEffects", &sound));
    state.SoundEffects = sound != 0;
    read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "SoundVolume", &state.SoundVolume));
    state.SoundVolume = std::clamp(state.SoundVolume, 0, VolumeStepCount - 1);

    int32_t showMoney = 0;
    read(store.GetValueDWORD(HKEY_CURRENT_USER, SettingsKey, "ShowMoney", &showMoney));
    loaded.ShowMoney = showMoney != 0;
    return loaded;
}

void Unsaved::Note(int error, const char* item) {
    if (error == 0) {
        return;
    }
    if (Cause == 0) {
        Cause = error;
    }
    if (std::find(Items.begin(), Items.end(), item) == Items.end()) {
        Items.emplace_back(item);
    }
}

void Unsaved::Add(const Unsaved& other) {
    for (const std::string& item : other.Items) {
        Note(other.Cause, item.c_str());
    }
}

Unsaved SaveSetting(const MdlMain& state, Setting setting, HivekitBinding& store) {
    Unsaved unsaved;
    switch (setting) {
        case Setting::Names:
            for (int i = 0; i < SeatCount; ++i) {
                unsaved.Note(WriteName(state, i, store), NameItem);
            }
            break;
        case Setting::Patterns:
            for (int i = 0; i < SeatCount; ++i) {
                unsaved.Note(WritePattern(state, i, store), PatternItem);
            }
            break;
        case Setting::SaveType:
            unsaved.Note(WriteNumber(store, "SaveType", state.SaveType),
                         QT_TRANSLATE_NOOP("Settings", "データ保存の設定"));
            break;
        case Setting::CardType:
            unsaved.Note(WriteNumber(store, "CardType", state.CardType),
                         QT_TRANSLATE_NOOP("Settings", "カードの模様"));
            break;
        case Setting::GameSpeed:
            unsaved.Note(
                SaveOptionalValue(store, "GameSpeed", state.GameSpeed, MdlMain{}.GameSpeed),
                QT_TRANSLATE_NOOP("Settings", "ゲームの速さ"));
            break;
        case Setting::TableSize:
            unsaved.Note(
                SaveOptionalValue(store, "TableSize", state.TableSize, MdlMain{}.TableSize),
                QT_TRANSLATE_NOOP("Settings", "表示の大きさ"));
            break;
        case Setting::ExchangeCoach:
            unsaved.Note(SaveOptionalValue(store, "ExchangeCoach", state.ExchangeCoach ? 1 : 0, 0),
                         QT_TRANSLATE_NOOP("Settings", "交換のヒント"));
            break;
        case Setting::SoundEffects:
            unsaved.Note(SaveOptionalValue(store, "SoundEffects", state.SoundEffects ? 1 : 0,
                                           MdlMain{}.SoundEffects ? 1 : 0),
                         QT_TRANSLATE_NOOP("Settings", "効果音"));
            break;
        case Setting::SoundVolume:
            unsaved.Note(
                SaveOptionalValue(store, "SoundVolume", state.SoundVolume, MdlMain{}.SoundVolume),
                QT_TRANSLATE_NOOP("Settings", "効果音の音量"));
            break;
    }
    return unsaved;
}

Unsaved DeleteSettings(int32_t saveMode, HivekitBinding& store) {
    Unsaved unsaved;
    if (saveMode == 1) {
        return unsaved;
    }
    for (int i = 0; i < SeatCount; ++i) {
        const int error = Failure(
            store.DeleteValue(HKEY_CURRENT_USER, SettingsKey, SeatValue("PlayerMoney", i).c_str()),
            store);
        // Money left in the store would be taken for a kept match at the next start.
        unsaved.Note(error == ENOENT ? 0 : error, MoneyItem);
    }
    return unsaved;
}

Unsaved SaveSettings(const MdlMain& state, int32_t saveMode, bool showMoney,
                     HivekitBinding& store) {
    Unsaved unsaved;
    for (int i = 0; i < SeatCount; ++i) {
        unsaved.Note(WriteName(state, i, store), NameItem);
        unsaved.Note(WritePattern(state, i, store), PatternItem);
        if (saveMode == 1) {
            unsaved.Note(WriteNumber(store, SeatValue("PlayerMoney", i), state.Players[i].Money),
                         MoneyItem);
        }
    }
    unsaved.Add(SaveSetting(state, Setting::SaveType, store));
    unsaved.Add(SaveSetting(state, Setting::CardType, store));
    unsaved.Note(WriteNumber(store, "DropCount", state.DropCount),
                 QT_TRANSLATE_NOOP("Settings", "ドロップ可能回数"));
    unsaved.Note(WriteNumber(store, "ShowMoney", showMoney ? 1 : 0),
                 QT_TRANSLATE_NOOP("Settings", "所持金の確認ウィンドウ"));
    for (Setting setting : {Setting::GameSpeed, Setting::TableSize, Setting::ExchangeCoach,
                            Setting::SoundEffects, Setting::SoundVolume}) {
        unsaved.Add(SaveSetting(state, setting, store));
    }
    return unsaved;
}

Unsaved SaveAtClose(const MdlMain& state, int32_t choice, bool showMoney, HivekitBinding& store) {
    Unsaved unsaved;
    if (choice != 0) {
        unsaved = DeleteSettings(choice, store);
    }
    unsaved.Add(SaveSettings(state, choice == 1 ? 1 : 2, showMoney, store));
    return unsaved;
}

std::string SettingsStoreFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string folder = config != nullptr && config[0] == '/' ? std::string(config)
                               : home != nullptr && home[0] == '/' ? std::string(home) + "/.config"
                                                                   : std::string("~/.config");
    return folder + "/hivekit/current_user.db";
}

std::string SaveFailureMessage(const Unsaved& unsaved) {
    QStringList what;
    for (const std::string& item : unsaved.Items) {
        what << TranslatedText("Settings", item);
    }
    return QCoreApplication::translate(
               "Settings",
               "設定を保存できませんでした（%1）。\n保存できなかったもの : %2\n保存先 : %3\n"
               "%4「再試行」を押すと、もう一度保存します。"
               "「キャンセル」でゲームに戻ります。「変更を破棄」で保存せずに終了すると、"
               "次に起動したときは前に保存された内容か最初の値で始まります。")
        .arg(CauseText(unsaved.Cause), what.join(QCoreApplication::translate("Settings", "、")),
             QString::fromStdString(SettingsStoreFile()), Remedy(unsaved.Cause))
        .toStdString();
}

std::string LoadFailureMessage(int cause) {
    return QCoreApplication::translate("Settings",
                                       "設定を読み込めませんでした（%1）。\n%2\n"
                                       "読み込めなかった設定は最初の値で始めます。")
        .arg(CauseText(cause), QString::fromStdString(SettingsStoreFile()))
        .toStdString();
}

}  // namespace kestrins
