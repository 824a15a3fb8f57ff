// Fixed dialog frames: no minimise or maximise button, and controls kept off the edges.
#include "ui/dialog_body.h"

#include <QDialog>
#include <QWidget>

namespace kestrins {

namespace {

// Laid out edge to edge, the frames and buttons would touch the dialog's border.
constexpr int Margin = 8;

}  // namespace

QWidget* FixedDialogBody(QDialog& dialog, QSize layout) {
    // Without the customize hint, a window system may add its default buttons back.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(layout + QSize(2 * Margin, 2 * Margin));
    auto* body = new QWidget(&dialog);
    body->setGeometry(Margin, Margin, layout.width(), layout.height());
    return body;
}

}  // namespace kestrins
