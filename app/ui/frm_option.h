// The options dialog: seat names, computer temperaments, save policy and card-back design.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>

#include "game/mdl_main.h"
#include "platform/message_box.h"
#include "platform/surface.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kestrins {

class SurfaceView;

// The name of a temperament 0..3 as the options window shows it; empty for anything else.
QString SpiritCaption(int value);

class FrmOption final : public QDialog {
    Q_OBJECT

public:
    // cardBacks: the card-back sheet, one 96-pixel band per design. Nothing reaches state
    // before OK; boxes tells why OK refused a name.
    FrmOption(MdlMain& state, const QImage& cardBacks, MessageBoxes& boxes, QWidget* parent);

    const Surface& Preview() const { return preview_; }

private:
    // body: the dialog's laid-out area.
    void CreatePlayerControls(QWidget* body);
    void CreateSystemControls(QWidget* body);
    void Form_Load();
    void HScrSpirit_Change(int i);
    void VScrCardBG_Change();
    // The design the selector stands at, 0 to 4.
    int CardDesign() const;
    void CmdOK_Click();

    MdlMain& state_;
    MessageBoxes& boxes_;
    QImage cardBacks_;
    Surface preview_;
    QGroupBox* FramePlayers;
    std::array<QLabel*, 4> LblName{};
    std::array<QLineEdit*, 4> TxtPName{};
    QLabel* LblCaption1;
    // Index 0 stays empty: the human has no temperament.
    std::array<QScrollBar*, 4> HScrSpirit{};
    std::array<QLabel*, 4> LblSpirit{};
    QGroupBox* FrameSystem;
    std::array<QLabel*, 3> Label1{};
    QComboBox* CmbSaveData;
    QLineEdit* TxtCardBG;
    QScrollBar* VScrCardBG;
    SurfaceView* PictCardBG;
    QPushButton* CmdOK;
    QPushButton* CmdCancel;
};

}  // namespace kestrins
