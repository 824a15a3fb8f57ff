// The category names, indexed by Part.
#include "game/part_name.h"

#include <array>

#include "game/constants.h"
#include "game/translate_noop.h"

namespace kestrins {

std::string_view PartName(int32_t part) {
    static constexpr std::array<std::string_view, PartRoyalFlush + 1> names = {
        QT_TRANSLATE_NOOP("PartName", "手役なし"),
        QT_TRANSLATE_NOOP("PartName", "ワンペア"),
        QT_TRANSLATE_NOOP("PartName", "ツーペア"),
        QT_TRANSLATE_NOOP("PartName", "スリーカード"),
        QT_TRANSLATE_NOOP("PartName", "ストレート"),
        QT_TRANSLATE_NOOP("PartName", "ロイヤルストレート"),
        QT_TRANSLATE_NOOP("PartName", "フラッシュ"),
        QT_TRANSLATE_NOOP("PartName", "フルハウス"),
        QT_TRANSLATE_NOOP("PartName", "フォーカード"),
        QT_TRANSLATE_NOOP("PartName", "ストレートフラッシュ"),
        QT_TRANSLATE_NOOP("PartName", "ロイヤルフラッシュ"),
    };
    if (part < PartNone || part > PartRoyalFlush) {
        return {};
    }
    return names[static_cast<std::size_t>(part)];
}

}  // namespace kestrins
