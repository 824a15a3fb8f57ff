// The real modal run: QDialog::exec.
#include "platform/modal_runner.h"

#include <QDialog>

namespace kestrins {

void ExecModalRunner::Run(QDialog& dialog) {
    dialog.exec();
}

}  // namespace kestrins
