// The category names, indexed by Part.
#include "game/part_name.h"

#include <array>

#include "game/constants.h"

namespace kestrins {

std::string_view PartName(int32_t part) {
    static constexpr std::array<std::string_view, PartRoyalFlush + 1> names = {
        "手役なし",           "ワンペア",   "ツーペア",   "スリーカード", "ストレート",
        "ロイヤルストレート", "フラッシュ", "フルハウス", "フォーカード", "ストレートフラッシュ",
        "ロイヤルフラッシュ",
    };
    if (part < PartNone || part > PartRoyalFlush) {
        return {};
    }
    return names[static_cast<std::size_t>(part)];
}

}  // namespace kestrins
