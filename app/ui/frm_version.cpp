// About dialog: the layout, the message and its scrolling.
#include "ui/frm_version.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "ui/dialog_body.h"
#include "ui/surface_view.h"
#include "ui/window_font.h"
#include "version.h"

namespace kestrins {

namespace {

// Where the message top is set back to below the box; fixed, whatever the text's height.
constexpr int32_t WrapTop = -265;
constexpr int BoxBorder = 2;
constexpr int BoxWidth = 249;
constexpr int BoxHeight = 97;

// The largest font up to the labels' size whose message has wholly left the box by the time it
// starts again, so the restart never cuts off lines still in view.
void FitMessageFont(Surface& box, const QString& text) {
    for (int pixels = 12; pixels > 6; --pixels) {
        box.SetFontSize(pixels * 0.75);
        const QRect bounds(2, 0, box.Width() - 2, 1 << 16);
        if (QFontMetrics(box.Font()).boundingRect(bounds, Qt::TextWordWrap, text).height() <=
            -WrapTop) {
            return;
        }
    }
}

}  // namespace

QString LoadAboutMessage() {
    return QCoreApplication::translate(
        "kestrins::FrmVersion",
        "「ケストリン」をダウンロードしていただき\n誠にありがとうございます。\n\n"
        "このゲームをより良くするために、\n私のホームページでは、みなさまの感想を\n"
        "お待ちしております。\n\nホームページ\n本店\n\n\n支店\n\n\nメールアドレス\n\n\n\n"
        "「ゲームのコツ」\nコンピュータプレイヤーの「ブラフ」(はったり)\n"
        "を見ぬければ勝率がぐんと上がります。\nベット(掛け金)の動きに目を見張ってください。");
}

FrmVersion::FrmVersion(const QImage& icon, QWidget* parent)
    : QDialog(parent),
      mesBox_(BoxWidth - 2 * BoxBorder, BoxHeight - 2 * BoxBorder,
              palette().color(QPalette::Window)) {
    setObjectName(QStringLiteral("FrmVersion"));
    setWindowTitle(tr("ケストリン のバージョン情報"));
    setFont(WindowFont());
    QWidget* body = FixedDialogBody(*this, QSize(280, 184));

    ImMyIcon = new QLabel(body);
    ImMyIcon->setObjectName(QStringLiteral("ImMyIcon"));
    ImMyIcon->setPixmap(QPixmap::fromImage(icon));
    ImMyIcon->setGeometry(16, 16, 32, 32);
    ImMyIcon->setAccessibleName(tr("アイコン"));
    // 1.0.2 reads "1.02".
    LblVersion[0] = new QLabel(tr("ケストリン ver.%1.%2%3")
                                   .arg(KestrinsVersionMajor)
                                   .arg(KestrinsVersionMinor)
                                   .arg(KestrinsVersionPatch),
                               body);
    LblVersion[1] = new QLabel(tr("コンピュータ三人と遊ぶポーカー"), body);
    for (int i = 0; i < 2; ++i) {
        LblVersion[i]->setObjectName(QStringLiteral("LblVersion%1").arg(i));
        LblVersion[i]->setGeometry(72, 8 + 24 * i, 201, 17);
    }

    MesBoxFrame = new QFrame(body);
    MesBoxFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MesBoxFrame->setLineWidth(BoxBorder);
    MesBoxFrame->setGeometry(24, 56, BoxWidth, BoxHeight);
    mesBox_.SetForeColor(palette().color(QPalette::WindowText));
    PictMesBox = new SurfaceView(mesBox_, MesBoxFrame);
    PictMesBox->setObjectName(QStringLiteral("PictMesBox"));
    PictMesBox->setGeometry(BoxBorder, BoxBorder, mesBox_.Width(), mesBox_.Height());
    PictMesBox->setAccessibleName(tr("メッセージ"));

    CmdOK = new QPushButton(QStringLiteral("OK"), body);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setGeometry(200, 160, 79, 23);
    CmdOK->setDefault(true);
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);

    TimerMes = new QTimer(this);
    TimerMes->setObjectName(QStringLiteral("TimerMes"));
    TimerMes->setInterval(150);
    connect(TimerMes, &QTimer::timeout, this, &FrmVersion::TimerMes_Timer);
    // A closed dialog that is kept a while must not go on drawing.
    connect(this, &QDialog::finished, TimerMes, &QTimer::stop);

    Form_Load();
    TimerMes->start();
}

void FrmVersion::Form_Load() {
    MessageTop = mesBox_.Height() + 2;
    MessageText = LoadAboutMessage();
    FitMessageFont(mesBox_, MessageText);
    // A screen reader gets the whole message at once rather than the scrolling lines.
    PictMesBox->setAccessibleDescription(MessageText);
}

void FrmVersion::TimerMes_Timer() {
    mesBox_.Clear();
    const int width = mesBox_.Width();
    const int height = mesBox_.Height();
    mesBox_.DrawText(MessageText, QRect(2, MessageTop, width - 2, height - MessageTop),
                     TextWordBreak);
    mesBox_.Refresh();
    --MessageTop;
    if (MessageTop < WrapTop) {
        MessageTop = height + 5;
    }
}

}  // namespace kestrins
