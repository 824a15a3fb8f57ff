// The result sheet of one game: the winner, every seat's hand, and the human's drop bonus.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "game/mdl_main.h"
#include "platform/scaled_picture.h"

class QLabel;
class QPushButton;

namespace kestrins {

class MessageBoxes;
class Surface;

class FrmParts final : public QDialog {
    Q_OBJECT

public:
    // info: the main window's message strip, which repeats the result line.
    FrmParts(MdlMain& state, Surface& info, const ScaledPicture& winnerMarker, MessageBoxes& boxes,
             QWidget* parent);

    // "ドロップ" for a seat that dropped, else the name of its hand's category.
    std::string RetPartName(int32_t seat) const;

    // Grants the two drops of a game the human won, once, however the sheet ends; without a
    // word, for an end of the program that leaves no one to press OK.
    void GrantWinBonus();

    void done(int result) override;

private:
    void Form_Load(Surface& info);
    // Grants the drop bonus, and says so when the count grew; runs once, however it closes.
    void Form_QueryUnload();

    MdlMain& state_;
    MessageBoxes& boxes_;
    bool unloaded_ = false;
    bool granted_ = false;
    bool grew_ = false;
    QLabel* ImgWinner;
    std::array<QLabel*, 4> LblPlayerName{};
    std::array<QLabel*, 4> LblPart{};
    QPushButton* CmdOK;
};

}  // namespace kestrins
