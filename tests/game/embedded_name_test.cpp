// Which names a sentence sets apart and how: those with right-to-left letters, Arabic digits or
// direction controls, as Unicode has them; every other name, the default ones among them, stays
// exactly as typed.
#include "game/embedded_name.h"

#include <gtest/gtest.h>

#include <QChar>
#include <QString>

#include <string>
#include <vector>

namespace kestrins {
namespace {

const std::string Fsi = "\u2068";
const std::string Pdi = "\u2069";

std::string Utf8(char32_t code) {
    return QString::fromUcs4(&code, 1).toStdString();
}

// The names' isolates never close before the end: the name stays inside ours to its last
// character, and ours closes last.
bool IsolatedToTheEnd(const std::string& embedded) {
    const std::u32string codes = QString::fromStdString(embedded).toStdU32String();
    int open = 0;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        open += codes[i] >= 0x2066 && codes[i] <= 0x2068 ? 1 : codes[i] == 0x2069 ? -1 : 0;
        if (open <= 0 && i + 1 < codes.size()) {
            return false;
        }
    }
    return open == 0;
}

TEST(EmbeddedName, AgreesWithUnicodeOnWhatCanMoveTheWordsRoundIt) {
    std::vector<char32_t> missed;
    std::vector<char32_t> leftToRightSetApart;
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) {
            continue;
        }
        const QChar::Direction direction = QChar::direction(code);
        const bool moves = direction == QChar::DirR || direction == QChar::DirAL ||
                           direction == QChar::DirAN || direction == QChar::DirRLE ||
                           direction == QChar::DirRLO || direction == QChar::DirLRE ||
                           direction == QChar::DirLRO || direction == QChar::DirPDF ||
                           direction == QChar::DirRLI || direction == QChar::DirLRI ||
                           direction == QChar::DirFSI || direction == QChar::DirPDI;
        const bool setApart = NeedsIsolating(Utf8(code));
        if (moves && !setApart) {
            missed.push_back(code);
        }
        if (direction == QChar::DirL && setApart) {
            leftToRightSetApart.push_back(code);
        }
    }
    EXPECT_TRUE(missed.empty()) << missed.size() << " missed, the first U+" << std::hex
                                << (missed.empty() ? 0 : missed.front());
    EXPECT_TRUE(leftToRightSetApart.empty())
        << leftToRightSetApart.size() << " set apart, the first U+" << std::hex
        << (leftToRightSetApart.empty() ? 0 : leftToRightSetApart.front());
}

TEST(EmbeddedName, OnlyNamesThatCanMoveWordsAreSetApartAndTheirIsolateEndsLast) {
    for (const std::string plain :
         {"プレイヤー 1", "Player 2", "Zoë (3) #1", "", "1234", "\xD7", "\u200E"}) {
        EXPECT_EQ(EmbedName(plain), plain) << plain;
    }
    const struct {
        std::string name;
        std::string embedded;
    } cases[] = {
        {"علي", Fsi + "علي" + Pdi},
        {"שלום 2", Fsi + "שלום 2" + Pdi},
        {"\u0661\u0662", Fsi + "\u0661\u0662" + Pdi},  // Arabic digits alone
        {"\u202Eevil", Fsi + "\u202Eevil" + Pdi},      // an override left open
        // A stray end of isolate is dropped; one the name opens and leaves open is closed.
        {"x\u2069y\u05D0", Fsi + "xy\u05D0" + Pdi},
        {"\u05D0\u2067ab\u2066c", Fsi + "\u05D0\u2067ab\u2066c" + Pdi + Pdi + Pdi},
        {"\u2067a\u2069\u05D0", Fsi + "\u2067a\u2069\u05D0" + Pdi},
    };
    for (const auto& c : cases) {
        const std::string embedded = EmbedName(c.name);
        EXPECT_EQ(embedded, c.embedded) << c.name;
        EXPECT_TRUE(IsolatedToTheEnd(embedded)) << c.name;
        // A line that begins with the name no longer reads as right-to-left, as the plain one
        // did, and is not turned round.
        const QString sentence = QString::fromStdString(embedded + " はコールします");
        EXPECT_FALSE(sentence.isRightToLeft()) << c.name;
    }
    EXPECT_TRUE(QString::fromStdString("علي はコールします").isRightToLeft());
}

}  // namespace
}  // namespace kestrins
