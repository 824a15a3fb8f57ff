// Card places follow the table's size through X0 and Y0; the panels sit at fixed pixels.
#include "render/table_geometry.h"

#include <array>

#include "platform/surface.h"

namespace kestrins {

namespace {

constexpr int32_t CardPitch = 50;  // the human's cards overlap by CardWidth - CardPitch
constexpr int32_t SideCardPitch = 25;
constexpr int32_t PanelWidth = 110;
constexpr int32_t PanelLineHeight = 20;

struct PanelPlace {
    int32_t Left;
    int32_t Top;  // the name's top; the status line is above it
};

constexpr std::array<PanelPlace, 4> PanelPlaces{{{5, 330}, {5, 60}, {400, 25}, {400, 320}}};

}  // namespace

TableOrigin ComputeTableOrigin(int32_t width, int32_t height) {
    return TableOrigin{.X0 = RoundHalfEven((width - 200 - CardWidth) / 2.0),
                       .Y0 = RoundHalfEven((height - 100 - CardWidth) / 2.0)};
}

QPoint CardPlace(int32_t seat, int32_t slot, int32_t width, int32_t height) {
    const TableOrigin origin = ComputeTableOrigin(width, height);
    switch (seat) {
        case 0:
            return {origin.X0 + CardPitch * slot, height - 100};
        case 1:
            return {4, origin.Y0 + SideCardPitch * (4 - slot)};
        case 2:
            return {origin.X0 + CardPitch * slot, 4};
        default:
            return {width - 100, origin.Y0 + SideCardPitch * slot};
    }
}

std::string_view SeatOrientation(int32_t seat) {
    switch (seat) {
        case 0:
            return "";
        case 1:
            return "L";
        case 2:
            return "Center";
        default:
            return "R";
    }
}

QRect PanelLineRect(int32_t seat, int32_t line) {
    const PanelPlace& place = PanelPlaces.at(static_cast<size_t>(seat));
    return {place.Left, place.Top + PanelLineHeight * (line - 1), PanelWidth, PanelLineHeight};
}

bool PanelRightAligned(int32_t seat) {
    return seat == 0 || seat == 3;
}

std::vector<QRect> TableContent(int32_t width, int32_t height) {
    constexpr int32_t Seats = 4;
    constexpr int32_t Slots = 5;
    std::vector<QRect> content;
    for (int32_t seat = 0; seat < Seats; ++seat) {
        const bool sideways = seat == 1 || seat == 3;
        const QSize card = sideways ? QSize(CardHeight, CardWidth) : QSize(CardWidth, CardHeight);
        QRect cards;
        for (int32_t slot = 0; slot < Slots; ++slot) {
            cards |= QRect(CardPlace(seat, slot, width, height), card);
        }
        content.push_back(cards);
    }
    for (int32_t seat = 0; seat < Seats; ++seat) {
        content.push_back(PanelLineRect(seat, 0) | PanelLineRect(seat, 2));
    }
    return content;
}

}  // namespace kestrins
