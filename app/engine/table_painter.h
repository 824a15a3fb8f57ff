// The showing side of the game routines: paints the table and the message strip, and paces.
#pragma once

#include <string_view>

#include "game/mdl_main.h"
#include "game/table_view.h"
#include "platform/pacer.h"
#include "platform/surface.h"
#include "render/sprites.h"

namespace kestrins {

// What the painter last put on the play field: the table with the computer hands face down or
// face up, or something else (cleared, a deal under way).
enum class FieldShows { Other, Table, OpenTable };

class TablePainter final : public TableView {
public:
    TablePainter(const MdlMain& state, Surface& playField, Surface& info, const Sprites& sprites,
                 Pacer& pacer)
        : state_(state), playField_(playField), info_(info), sprites_(sprites), pacer_(pacer) {}

    void ClearField() override;
    void DrawDealtCard(int32_t seat, int32_t slot) override;
    void RefreshField() override;
    void DrawTable() override { DrawTable({}); }
    void ShowMessage(const std::string& text) override;
    void Sleep(int32_t ms) override;
    // Passes the cue on to the sound, if any.
    void Cue(SoundCue cue, int32_t seat) override;
    std::string Translate(const char* context, std::string_view text) const override;
    // As on the seat's panel, so that the rest of the line is never cut off.
    std::string NameInMessage(const std::string& name) const override;

    // mode "Open" shows every hand face up; anything else keeps the computers' hands face down.
    void DrawTable(std::string_view mode);

    // Read by the screen-reader description; animations and the title screen draw past it.
    FieldShows Shows() const { return shows_; }

    // Draws what it last drew again, at the field's size now (after a resize), unless something
    // else has drawn on the field since: a deal under way or an animation keeps its picture.
    void Redraw();

    // Who hears the table's cues; nullptr for nobody.
    void SetSound(SoundCues* sound) { sound_ = sound; }

    Surface& PlayField() { return playField_; }
    const Sprites& SpriteSheets() const { return sprites_; }
    Pacer& Pace() { return pacer_; }

private:
    const MdlMain& state_;
    Surface& playField_;
    Surface& info_;
    const Sprites& sprites_;
    Pacer& pacer_;
    SoundCues* sound_ = nullptr;
    FieldShows shows_ = FieldShows::Other;
    // The field's strokes right after the painter last cleared it or drew the table.
    uint64_t drawnAt_ = 0;
};

}  // namespace kestrins
