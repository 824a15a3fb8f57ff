// The result sheet of one game: the winner, every seat's hand, and the human's drop bonus.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "game/mdl_main.h"

class QLabel;
class QPushButton;

namespace kestrins {

class MessageBoxes;
class Surface;

class FrmParts final : public QDialog {
    Q_OBJECT

public:
    // info: the main window's message strip, which repeats the result line.
    FrmParts(MdlMain& state, Surface& info, const QImage& winnerMarker, MessageBoxes& boxes,
             QWidget* parent);

    // "ドロップ" for a seat that dropped, else the name of its hand's category.
    std::string RetPartName(int32_t seat) const;

    void done(int result) override;

private:
    void Form_Load(Surface& info);
    // Grants the drop bonus after a game the human won; runs once, however the sheet closes.
    void Form_QueryUnload();

    MdlMain& state_;
    MessageBoxes& boxes_;
    bool unloaded_ = false;
    QLabel* ImgWinner;
    std::array<QLabel*, 4> LblPlayerName{};
    std::array<QLabel*, 4> LblPart{};
    QPushButton* CmdOK;
};

}  // namespace kestrins
