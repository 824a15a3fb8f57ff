// The direction test on the code points of a name and the isolate round it.
#include "game/embedded_name.h"

#include <cstdint>

namespace kestrins {

namespace {

constexpr std::string_view FirstStrongIsolate = "\u2068";
constexpr std::string_view PopDirectionalIsolate = "\u2069";

// The code point of UTF-8 text at `at`, which moves past it; a byte that starts no sequence, or
// one cut short by the end, reads as itself.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
    if (length == 1 || at + length > text.size()) {
        return byte(at++);
    }
    char32_t code = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    at += length;
    return code;
}

// The blocks of the right-to-left scripts, whose letters and digits are right-to-left or
// Arabic numbers, and the direction controls: the embeddings, overrides and isolates, the
// right-to-left and Arabic letter marks.
bool MovesWords(char32_t c) {
    return (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) ||
           (c >= 0xFE70 && c <= 0xFEFE) || (c >= 0x10800 && c <= 0x10FFF) ||
           (c >= 0x1E800 && c <= 0x1EFFF) || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

bool NeedsIsolating(std::string_view name) {
    for (std::size_t at = 0; at < name.size();) {
        if (MovesWords(NextCodePoint(name, at))) {
            return true;
        }
    }
    return false;
}

std::string EmbedName(std::string_view name) {
    if (!NeedsIsolating(name)) {
        return std::string(name);
    }
    // A stray end of isolate in the name would end ours early, and an isolate it leaves open
    // would take our end for its own.
    std::string embedded(FirstStrongIsolate);
    int open = 0;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t from = at;
        const char32_t c = NextCodePoint(name, at);
        if (c == 0x2069 && open == 0) {
            continue;
        }
        open += c >= 0x2066 && c <= 0x2068 ? 1 : c == 0x2069 ? -1 : 0;
        embedded.append(name.substr(from, at - from));
    }
    for (; open > 0; --open) {
        embedded.append(PopDirectionalIsolate);
    }
    return embedded.append(PopDirectionalIsolate);
}

}  // namespace kestrins
