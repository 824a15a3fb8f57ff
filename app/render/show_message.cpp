// The text keeps a 2-pixel margin inside the strip, in the strip's own colour and font.
#include "render/show_message.h"

#include <QRect>
#include <QString>

namespace kestrins {

void ShowMessage(Surface& info, const std::string& text) {
    constexpr int Margin = 2;
    const QString line = QString::fromStdString(text);
    info.SetAltText(line);
    info.Clear();
    info.DrawText(line,
                  QRect(QPoint(Margin, Margin),
                        QPoint(info.Width() - Margin - 1, info.Height() - Margin - 1)),
                  TextLeft);
    info.Refresh();
}

}  // namespace kestrins
