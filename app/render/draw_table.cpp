// Cards go down slot by slot round the table, then the panels, the winner's in light yellow.
#include "render/draw_table.h"

#include <QFontMetrics>
#include <QString>

#include <string>

#include "game/constants.h"
#include "render/draw_cards.h"
#include "render/table_geometry.h"

namespace kestrins {

namespace {

constexpr uint32_t PanelWhite = 0xFFFFFF;
constexpr uint32_t WinnerYellow = 0x80FFFF;
constexpr double TableFontSize = 12;
// How far a panel line may shrink to fit its rectangle.
constexpr double SmallestPanelFontSize = 10;

QString Dollars(int32_t amount) {
    return QString::number(amount) + QStringLiteral(" $");
}

QString StatusLine(const Player& player) {
    return (player.Dropped ? QStringLiteral("Dropped : ") : QStringLiteral("BET : ")) +
           Dollars(player.Bet);
}

// The table's font runs wider than the one the panels were laid out with ("Dropped : 12 $" is
// 115 pixels in 110): a line that would be cut is drawn half a point smaller at a time instead.
void DrawPanelLine(Surface& playField, const QString& text, const QRect& rect, TextFormat align) {
    const double size = playField.FontSize();
    for (double smaller = size - 0.5;
         smaller >= SmallestPanelFontSize &&
         QFontMetrics(playField.Font()).horizontalAdvance(text) > rect.width();
         smaller -= 0.5) {
        playField.SetFontSize(smaller);
    }
    playField.DrawText(text, rect, align);
    playField.SetFontSize(size);
}

void DrawPanel(Surface& playField, int32_t seat, const Player& player) {
    const TextFormat align = PanelRightAligned(seat) ? TextRight : TextLeft;
    DrawPanelLine(playField, QString::fromStdString(player.Name), PanelLineRect(seat, 1),
                  align | TextEndEllipsis);
    DrawPanelLine(playField, Dollars(player.Money), PanelLineRect(seat, 2), align);
    DrawPanelLine(playField, StatusLine(player), PanelLineRect(seat, 0), align);
}

}  // namespace

QString PanelName(const std::string& name) {
    Surface probe = MakePlayField(1, 1);
    probe.SetFontSize(SmallestPanelFontSize);
    const QFontMetrics metrics(probe.Font());
    const QString whole = QString::fromStdString(name);
    const int width = PanelLineRect(0, 1).width();
    // Shrunk as far as a panel goes, a name that fits at all fits there.
    return metrics.horizontalAdvance(whole) > width
               ? metrics.elidedText(whole, Qt::ElideRight, width)
               : whole;
}

Surface MakePlayField(int width, int height) {
    Surface playField(width, height, FromBgr(TableGreen));
    playField.SetForeColor(FromBgr(PanelWhite));
    playField.SetFontSize(TableFontSize);
    return playField;
}

void DrawTable(const MdlMain& main, Surface& playField, const Sprites& sprites,
               std::string_view mode) {
    playField.Clear();
    for (int32_t slot = 0; slot < HandSize; ++slot) {
        for (int32_t seat = 0; seat < SeatCount; ++seat) {
            DrawCardInPlace(main, playField, sprites, seat, slot, mode);
        }
    }
    for (int32_t seat = 0; seat < SeatCount; ++seat) {
        if (seat == main.Winner) {
            playField.SetForeColor(FromBgr(WinnerYellow));
            playField.SetFontBold(true);
        }
        DrawPanel(playField, seat, main.Players.at(static_cast<size_t>(seat)));
        playField.SetForeColor(FromBgr(PanelWhite));
        playField.SetFontBold(false);
    }
    playField.Refresh();
}

}  // namespace kestrins
