// The main window: the table, its menus and controls, and the close request with its save.
#pragma once

#include <QMainWindow>
#include <cstdint>

#include "game/mdl_main.h"

namespace kestrins {

class HivekitBinding;
class MessageBoxes;

class FrmMain final : public QMainWindow {
    Q_OBJECT

public:
    // showMoney: whether the money window was open when the program last closed.
    FrmMain(MdlMain& state, HivekitBinding& store, MessageBoxes& boxes, bool showMoney);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Settles the save choice and writes the settings; false keeps the window open.
    bool Form_QueryUnload();

    MdlMain& state_;
    HivekitBinding& store_;
    MessageBoxes& boxes_;
    bool showMoney_;
    int32_t CloseChoice = 0;
};

}  // namespace kestrins
