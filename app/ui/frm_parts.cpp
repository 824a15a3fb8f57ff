// Result sheet: caption, marker beside the winner's row, names and hands, OK.
#include "ui/frm_parts.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <limits>

#include "game/constants.h"
#include "game/embedded_name.h"
#include "game/evaluate_part.h"
#include "game/part_name.h"
#include "platform/message_box.h"
#include "platform/sheet_layout.h"
#include "platform/translated_text.h"
#include "render/draw_table.h"
#include "render/show_message.h"
#include "ui/dialog_body.h"
#include "ui/window_font.h"

namespace kestrins {

namespace {

QString Embedded(const QString& name) {
    return QString::fromStdString(EmbedName(name.toStdString()));
}

// A name too wide for its label ends in "…"; a screen reader still reads all of it.
void ShowName(QLabel& label, const QString& name) {
    const QString separator = QStringLiteral(" : ");
    const QFontMetrics metrics = label.fontMetrics();
    label.setText(Embedded(metrics.elidedText(
                      name, Qt::ElideRight, label.width() - metrics.horizontalAdvance(separator))) +
                  separator);
    label.setAccessibleName(Embedded(name) + separator);
}

}  // namespace

FrmParts::FrmParts(MdlMain& state, Surface& info, const ScaledPicture& winnerMarker,
                   MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), state_(state), boxes_(boxes) {
    setObjectName(QStringLiteral("FrmParts"));
    setFont(WindowFont());
    // The sheet clips the marker of a draw, moved to its bottom edge, out of sight.
    QWidget* body = FixedDialogBody(*this, QSize(298, 128));

    ImgWinner = new QLabel(body);
    ImgWinner->setObjectName(QStringLiteral("ImgWinner"));
    // The marker is drawn on black: the sheet's own background shows round the star instead.
    // It takes the sheet that fills the screen's pixels, as the table does.
    const double scale = SheetScaleFor(1.0, devicePixelRatioF());
    const QImage& picture = winnerMarker.At(scale);
    QPixmap marker = QPixmap::fromImage(picture);
    marker.setMask(QBitmap::fromImage(picture.createMaskFromColor(qRgb(0, 0, 0), Qt::MaskInColor)));
    marker.setDevicePixelRatio(scale);
    ImgWinner->setPixmap(marker);
    ImgWinner->setGeometry(8, 8, 16, 16);
    ImgWinner->setAccessibleName(tr("勝者の印"));
    for (int i = 0; i < SeatCount; ++i) {
        LblPlayerName[i] = new QLabel(body);
        LblPlayerName[i]->setObjectName(QStringLiteral("LblPlayerName%1").arg(i));
        LblPlayerName[i]->setTextFormat(Qt::PlainText);
        LblPlayerName[i]->setGeometry(24, 8 + 24 * i, 89, 17);
        LblPart[i] = new QLabel(body);
        LblPart[i]->setObjectName(QStringLiteral("LblPart%1").arg(i));
        LblPart[i]->setGeometry(120, 8 + 24 * i, 177, 17);
    }
    CmdOK = new QPushButton(QStringLiteral("OK"), body);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setGeometry(216, 104, 79, 23);
    CmdOK->setDefault(true);
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Form_Load(info);
}

std::string FrmParts::RetPartName(int32_t seat) const {
    if (state_.Players[seat].Dropped) {
        return tr("ドロップ").toStdString();
    }
    return TranslatedText(PartNameContext, PartName(EvaluatePart(state_, seat).Part)).toStdString();
}

void FrmParts::Form_Load(Surface& info) {
    // The message strip repeats the caption with the name as the winner's panel shows it.
    const auto caption = [this](const QString& name) {
        return state_.Winner == WinnerDraw ? tr("戦績 : 引き分けです")
                                           : tr("戦績 : %1 の勝利です").arg(Embedded(name));
    };
    const std::string winner =
        state_.Winner == WinnerDraw ? "" : state_.Players[state_.Winner].Name;
    // Qt reads "[*]" in a title as the mark of unsaved changes; doubled, it shows as written.
    setWindowTitle(caption(QString::fromStdString(winner))
                       .replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
    ImgWinner->move(ImgWinner->x(), 24 * state_.Winner + 8);
    ShowMessage(info, caption(PanelName(winner)).toStdString());
    for (int i = 0; i < SeatCount; ++i) {
        ShowName(*LblPlayerName[i], QString::fromStdString(state_.Players[i].Name));
        LblPart[i]->setText(QString::fromStdString(RetPartName(i)));
    }
}

void FrmParts::done(int result) {
    Form_QueryUnload();
    QDialog::done(result);
}

void FrmParts::GrantWinBonus() {
    if (granted_) {
        return;
    }
    granted_ = true;
    // At the top of its range the count stays there.
    constexpr int32_t limit = std::numeric_limits<int32_t>::max();
    if (state_.Winner == 0 && state_.DropCount < limit) {
        state_.DropCount =
            state_.DropCount <= limit - WinDropBonus ? state_.DropCount + WinDropBonus : limit;
        grew_ = true;
    }
}

void FrmParts::Form_QueryUnload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    GrantWinBonus();
    // A count that did not grow is no news.
    if (grew_) {
        boxes_.Show(tr("ドロップ可能回数が2回増えました。").toStdString(), tr("情報").toStdString(),
                    MessageButtons::Ok, MessageIcon::Information);
    }
}

}  // namespace kestrins
