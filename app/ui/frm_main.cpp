// Main window: caption, client size and the exit save.
#include "ui/frm_main.h"

#include <QCloseEvent>

#include "platform/message_box.h"
#include "settings/settings.h"

namespace kestrins {

FrmMain::FrmMain(MdlMain& state, HivekitBinding& store, MessageBoxes& boxes, bool showMoney)
    : state_(state), store_(store), boxes_(boxes), showMoney_(showMoney) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("ケストリン"));
    resize(520, 400);
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool FrmMain::Form_QueryUnload() {
    int32_t choice = CloseChoice;
    if (choice == 0) {
        choice = state_.SaveType;
    }
    if (choice == 0) {
        switch (boxes_.Show("現在の所持金を保存しますか？", "確認", MessageButtons::YesNoCancel,
                            MessageIcon::Question)) {
            case MessageAnswer::Yes:
                choice = 1;
                break;
            case MessageAnswer::No:
                choice = 2;
                break;
            default:
                return false;
        }
    }
    DeleteSettings(choice, store_);
    SaveSettings(state_, choice, showMoney_, store_);
    return true;
}

}  // namespace kestrins
