// Fixed dialog frames: no minimise or maximise button, and a client area of the laid-out size.
#include "ui/dialog_body.h"

#include <QDialog>
#include <QWidget>

namespace kestrins {

QWidget* FixedDialogBody(QDialog& dialog, QSize layout) {
    // Without the customize hint, a window system may add its default buttons back.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(layout);
    auto* body = new QWidget(&dialog);
    body->setGeometry(0, 0, layout.width(), layout.height());
    return body;
}

}  // namespace kestrins
