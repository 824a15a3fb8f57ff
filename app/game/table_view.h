// The showing side of dealing, exchanging and a computer's bet, as the game routines report it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/embedded_name.h"
#include "game/sound_cue.h"

namespace kestrins {

// The game routines decide and change the state; at every step the player should see, they call
// one of these, in order, with the state already as it must be drawn. The engine implements it
// with the table painter and the Pacer; tests record the calls.
//
// DealCards:     ClearField; 20 x (DrawDealtCard, Sleep(pause), RefreshField, Cue(Deal)) in
//                dealing order; Sleep(2 x pause); ClearField; RefreshField; Sleep(200);
//                DrawTable (sorted hands).
// ExchangeCards: DrawTable (marked places empty), Cue(Throw); Sleep(1000); DrawTable (new
//                cards), Cue(Draw); Sleep(1000); DrawTable (the seat's five places empty);
//                Sleep(200); DrawTable (sorted hand). A seat that marked nothing has no cues.
// DecideBet:     Sleep(1000); ShowMessage("<name> はコールします", or the raise or drop line,
//                the name as NameInMessage gives it); DrawTable.
class TableView {
public:
    virtual ~TableView() = default;
    // Clear the play field; it stays as it was on screen until RefreshField.
    virtual void ClearField() = 0;
    // Draw Players[seat].Cards[slot] at its place in the deal: face up for seat 0, else face down.
    virtual void DrawDealtCard(int32_t seat, int32_t slot) = 0;
    // Show on screen what has been drawn on the play field.
    virtual void RefreshField() = 0;
    // The whole table from the state, computer hands face down.
    virtual void DrawTable() = 0;
    // One line in the message strip.
    virtual void ShowMessage(const std::string& text) = 0;
    virtual void Sleep(int32_t ms) = 0;
    // The sound of what has just been shown; it never waits. Silent by default.
    virtual void Cue(SoundCue /*cue*/, int32_t /*seat*/) {}
    // A text marked for translation in the context, in the language the player reads; as
    // written where no translation is in use.
    virtual std::string Translate(const char* /*context*/, std::string_view text) const {
        return std::string(text);
    }
    // A seat's name as a line of the message strip carries it; EmbedName by default.
    virtual std::string NameInMessage(const std::string& name) const { return EmbedName(name); }
};

}  // namespace kestrins
