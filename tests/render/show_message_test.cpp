// The message strip: text inside a 2-pixel margin, cleared by the next message, shown at once.
#include "render/show_message.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "game/embedded_name.h"

namespace kestrins {
namespace {

constexpr QRgb Grey = 0xffF0F0F0;

Surface Strip() {
    Surface info(520, 20, QColor::fromRgb(Grey));
    info.SetFontSize(9);
    return info;
}

TEST(ShowMessage, ReplacesTheLastMessageInsideTheMarginAndTheEmptyTextClears) {
    Surface info = Strip();
    int refreshes = 0;
    info.SetRefreshHandler([&] { ++refreshes; });
    ShowMessage(info, "最初からから始めます");
    ShowMessage(info, "F2 を押してください。");
    Surface reference = Strip();
    reference.DrawText(QStringLiteral("F2 を押してください。"), QRect(2, 2, 516, 16), TextLeft);
    EXPECT_EQ(info.Image(), reference.Image());
    ShowMessage(info, "");
    EXPECT_EQ(info.Image(), Strip().Image());
    EXPECT_EQ(refreshes, 3);
}

// A right-to-left name at the start of a line once turned the whole line round, its words drawn
// before it. Set apart, the name leads the line at the left margin as it does alone.
TEST(ShowMessage, ARightToLeftNameSetApartLeadsItsLine) {
    const std::string name = EmbedName("علي");
    Surface line = Strip();
    ShowMessage(line, name + " はコールします (3 $)");
    Surface alone = Strip();
    ShowMessage(alone, name);
    const int width = QFontMetrics(alone.Font()).horizontalAdvance(QString::fromStdString(name));
    const QRect head(0, 0, 2 + width, 20);
    EXPECT_EQ(line.Image().copy(head), alone.Image().copy(head));
    EXPECT_NE(line.Image(), alone.Image());
}

}  // namespace
}  // namespace kestrins
