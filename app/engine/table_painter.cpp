// Each step of a deal, an exchange or a computer's bet, drawn with the table painter.
#include "engine/table_painter.h"

#include "platform/translated_text.h"
#include "render/draw_cards.h"
#include "render/draw_table.h"
#include "render/show_message.h"

namespace kestrins {

void TablePainter::ClearField() {
    shows_ = FieldShows::Other;
    playField_.Clear();
    drawnAt_ = playField_.Strokes();
}

void TablePainter::DrawDealtCard(int32_t seat, int32_t slot) {
    DrawCardInPlace(state_, playField_, sprites_, seat, slot, {});
}

void TablePainter::RefreshField() {
    playField_.Refresh();
}

std::string TablePainter::Translate(const char* context, std::string_view text) const {
    return TranslatedText(context, text).toStdString();
}

std::string TablePainter::NameInMessage(const std::string& name) const {
    return EmbedName(PanelName(name).toStdString());
}

void TablePainter::ShowMessage(const std::string& text) {
    kestrins::ShowMessage(info_, text);
}

void TablePainter::Sleep(int32_t ms) {
    pacer_.Sleep(ms);
}

void TablePainter::Cue(SoundCue cue, int32_t seat) {
    if (sound_ != nullptr) {
        sound_->Cue(cue, seat);
    }
}

void TablePainter::DrawTable(std::string_view mode) {
    shows_ = mode == "Open" ? FieldShows::OpenTable : FieldShows::Table;
    kestrins::DrawTable(state_, playField_, sprites_, mode);
    drawnAt_ = playField_.Strokes();
}

void TablePainter::Redraw() {
    if (playField_.Strokes() != drawnAt_) {
        return;
    }
    switch (shows_) {
        case FieldShows::Other:
            ClearField();
            RefreshField();
            break;
        case FieldShows::Table:
            DrawTable();
            break;
        case FieldShows::OpenTable:
            DrawTable("Open");
            break;
    }
}

}  // namespace kestrins
