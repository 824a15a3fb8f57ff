// Options dialog: controls filled from the state, a live card-back preview, OK applies all.
#include "ui/frm_option.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "game/constants.h"
#include "hivekit.h"
#include "render/draw_table.h"
#include "ui/dialog_body.h"
#include "ui/surface_view.h"
#include "ui/window_font.h"

namespace kestrins {

namespace {

constexpr int BackWidth = 71;
constexpr int BackHeight = 96;
constexpr int SaveTypeCount = 3;

// The back as the table shows it. Outside its rounded outline the sheet holds the table's
// green, which on the table is the table itself; here the window shows there instead.
QImage BackOver(const QImage& sheet, int design, QColor window) {
    QImage back = sheet.copy(0, design * BackHeight, BackWidth, BackHeight)
                      .convertToFormat(QImage::Format_RGB32);
    const QRgb outside = FromBgr(TableGreen).rgb();
    const QRgb fill = window.rgb();
    if (fill == outside) {
        return back;
    }
    // From each corner over the green it touches; the card's outline closes the fill off.
    std::vector<QPoint> todo{
        {0, 0}, {BackWidth - 1, 0}, {0, BackHeight - 1}, {BackWidth - 1, BackHeight - 1}};
    while (!todo.empty()) {
        const QPoint at = todo.back();
        todo.pop_back();
        if (back.rect().contains(at) && back.pixel(at) == outside) {
            back.setPixel(at, fill);
            todo.insert(todo.end(), {at + QPoint(1, 0), at - QPoint(1, 0), at + QPoint(0, 1),
                                     at - QPoint(0, 1)});
        }
    }
    return back;
}

QLabel* MakeLabel(const QString& text, Qt::Alignment alignment, const QRect& geometry,
                  QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(geometry);
    return label;
}

// Why a typed name cannot be kept, or nothing. An empty name would leave a blank on the table
// and in every message; the store cannot give back a text of its buffer's size.
QString NameProblem(const QString& name) {
    if (name.trimmed().isEmpty()) {
        return QCoreApplication::translate("kestrins::FrmOption", "名前を入力してください。");
    }
    if (name.toUtf8().size() + 1 >= HIVEKIT_TEXT_BUFFER_SIZE) {
        return QCoreApplication::translate("kestrins::FrmOption",
                                           "名前が長すぎます。もっと短い名前にしてください。");
    }
    return QString();
}

}  // namespace

QString SpiritCaption(int value) {
    switch (value) {
        case 0:
            return QCoreApplication::translate("kestrins::FrmOption", "慎重");
        case 1:
            return QCoreApplication::translate("kestrins::FrmOption", "普通");
        case 2:
            return QCoreApplication::translate("kestrins::FrmOption", "大胆");
        case 3:
            return QCoreApplication::translate("kestrins::FrmOption", "無謀");
        default:
            return QString();
    }
}

FrmOption::FrmOption(MdlMain& state, const QImage& cardBacks, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent),
      state_(state),
      boxes_(boxes),
      cardBacks_(cardBacks),
      preview_(BackWidth, BackHeight, palette().color(QPalette::Base)) {
    setObjectName(QStringLiteral("FrmOption"));
    setWindowTitle(tr("設定"));
    setFont(WindowFont());
    QWidget* body = FixedDialogBody(*this, QSize(354, 319));
    // Classic frames: the caption set into the top line, a little in from the corner.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));

    CreatePlayerControls(body);
    CreateSystemControls(body);

    CmdOK = new QPushButton(tr("OK(&O)"), body);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setGeometry(196, 296, 79, 23);
    CmdOK->setDefault(true);
    connect(CmdOK, &QPushButton::clicked, this, &FrmOption::CmdOK_Click);
    CmdCancel = new QPushButton(tr("キャンセル(&C)"), body);
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    CmdCancel->setGeometry(274, 296, 79, 23);
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load();
    for (int i = 1; i < SeatCount; ++i) {
        connect(HScrSpirit[i], &QScrollBar::valueChanged, this,
                [this, i] { HScrSpirit_Change(i); });
    }
    connect(VScrCardBG, &QScrollBar::valueChanged, this, &FrmOption::VScrCardBG_Change);
}

void FrmOption::CreatePlayerControls(QWidget* body) {
    FramePlayers = new QGroupBox(tr("プレーヤーの名前"), body);
    FramePlayers->setObjectName(QStringLiteral("FramePlayers"));
    FramePlayers->setGeometry(0, 0, 353, 121);
    const std::array<QString, 4> rowCaptions = {tr("自分　: "), tr("左側の人 : "),
                                                tr("向かい側の人 : "), tr("右側の人 : ")};
    for (int i = 0; i < SeatCount; ++i) {
        const int top = 24 + 24 * i;
        LblName[i] = MakeLabel(rowCaptions[i], Qt::AlignRight, QRect(8, top, 81, 17), FramePlayers);
        LblName[i]->setObjectName(QStringLiteral("LblName%1").arg(i));
        TxtPName[i] = new QLineEdit(FramePlayers);
        TxtPName[i]->setObjectName(QStringLiteral("TxtPName%1").arg(i));
        TxtPName[i]->setGeometry(96, top, 97, 18);
        LblName[i]->setBuddy(TxtPName[i]);
    }
    LblCaption1 = MakeLabel(tr("コンピュータの思考タイプ"), Qt::AlignLeft, QRect(208, 24, 129, 17),
                            FramePlayers);
    LblCaption1->setObjectName(QStringLiteral("LblCaption1"));
    // The bars have no caption of their own: a screen reader gets the seat with the heading.
    const std::array<QString, 4> spiritNames = {QString(), tr("左側の人の思考タイプ"),
                                                tr("向かい側の人の思考タイプ"),
                                                tr("右側の人の思考タイプ")};
    // A caption wider than the label (a translation's word) takes the room from the scroll bar.
    int widest = 0;
    for (int pattern = 0; pattern < PatternCount; ++pattern) {
        widest =
            std::max(widest, LblCaption1->fontMetrics().horizontalAdvance(SpiritCaption(pattern)));
    }
    const int widen = std::max(0, widest - 33);
    for (int i = 1; i < SeatCount; ++i) {
        const int top = 24 + 24 * i;
        HScrSpirit[i] = new QScrollBar(Qt::Horizontal, FramePlayers);
        HScrSpirit[i]->setAccessibleName(spiritNames[i]);
        HScrSpirit[i]->setObjectName(QStringLiteral("HScrSpirit%1").arg(i));
        HScrSpirit[i]->setRange(0, PatternCount - 1);
        HScrSpirit[i]->setPageStep(1);
        HScrSpirit[i]->setGeometry(208, top, 97 - widen, 17);
        LblSpirit[i] = MakeLabel(SpiritCaption(0), Qt::AlignLeft,
                                 QRect(312 - widen, top, 33 + widen, 17), FramePlayers);
        LblSpirit[i]->setObjectName(QStringLiteral("LblSpirit%1").arg(i));
    }
}

void FrmOption::CreateSystemControls(QWidget* body) {
    FrameSystem = new QGroupBox(tr("システム"), body);
    FrameSystem->setObjectName(QStringLiteral("FrameSystem"));
    FrameSystem->setGeometry(0, 128, 353, 161);
    Label1[0] =
        MakeLabel(tr("データ保存の設定 : "), Qt::AlignRight, QRect(8, 20, 105, 17), FrameSystem);
    Label1[1] =
        MakeLabel(tr("カードの模様 : "), Qt::AlignRight, QRect(16, 51, 97, 17), FrameSystem);
    Label1[2] =
        MakeLabel(tr("模様のプレビュー : "), Qt::AlignRight, QRect(160, 51, 113, 17), FrameSystem);
    for (int i = 0; i < 3; ++i) {
        Label1[i]->setObjectName(QStringLiteral("Label1%1").arg(i));
    }

    CmbSaveData = new QComboBox(FrameSystem);
    CmbSaveData->setObjectName(QStringLiteral("CmbSaveData"));
    CmbSaveData->addItems({tr("終了時に確認"), tr("常に保存する"), tr("一切保存しない")});
    CmbSaveData->setGeometry(112, 16, 233, 20);
    Label1[0]->setBuddy(CmbSaveData);

    // Only shows the design; the arrows choose it.
    TxtCardBG = new QLineEdit(FrameSystem);
    TxtCardBG->setObjectName(QStringLiteral("TxtCardBG"));
    TxtCardBG->setReadOnly(true);
    TxtCardBG->setGeometry(112, 48, 49, 20);
    Label1[1]->setBuddy(TxtCardBG);

    // Qt's vertical bars count up towards the bottom; the negated range makes the up arrow
    // count up, with design 4 at the top end.
    VScrCardBG = new QScrollBar(Qt::Vertical, FrameSystem);
    VScrCardBG->setObjectName(QStringLiteral("VScrCardBG"));
    VScrCardBG->setRange(-(CardTypeCount - 1), 0);
    VScrCardBG->setPageStep(1);
    VScrCardBG->setGeometry(142, 50, 17, 16);
    VScrCardBG->setAccessibleName(tr("カードの模様を選ぶ"));

    PictCardBG = new SurfaceView(preview_, FrameSystem);
    PictCardBG->setObjectName(QStringLiteral("PictCardBG"));
    PictCardBG->setGeometry(272, 48, BackWidth, BackHeight);
    Label1[2]->setBuddy(PictCardBG);
}

int FrmOption::CardDesign() const {
    return -VScrCardBG->value();
}

void FrmOption::Form_Load() {
    for (int i = 0; i < SeatCount; ++i) {
        TxtPName[i]->setText(QString::fromStdString(state_.Players[i].Name));
    }
    // The bars and the list clamp stored values that lie outside their ranges.
    for (int i = 1; i < SeatCount; ++i) {
        HScrSpirit[i]->setValue(state_.Players[i].Pattern);
        HScrSpirit_Change(i);
    }
    CmbSaveData->setCurrentIndex(std::clamp(state_.SaveType, 0, SaveTypeCount - 1));
    VScrCardBG->setValue(-std::clamp(state_.CardType, 0, CardTypeCount - 1));
    VScrCardBG_Change();
}

void FrmOption::HScrSpirit_Change(int i) {
    LblSpirit[i]->setText(SpiritCaption(HScrSpirit[i]->value()));
}

void FrmOption::VScrCardBG_Change() {
    const int design = CardDesign();
    TxtCardBG->setText(QString::number(design));
    preview_.Clear();
    preview_.BitBlt(0, 0, preview_.Width(), preview_.Height(),
                    BackOver(cardBacks_, design, PictCardBG->palette().color(QPalette::Window)), 0,
                    0, RasterOp::SrcCopy);
    preview_.Refresh();
}

void FrmOption::CmdOK_Click() {
    for (QLineEdit* name : TxtPName) {
        const QString problem = NameProblem(name->text());
        if (!problem.isEmpty()) {
            boxes_.Show(problem.toStdString(), windowTitle().toStdString(), MessageButtons::Ok,
                        MessageIcon::Information);
            name->setFocus();
            name->selectAll();
            return;
        }
    }
    for (int i = 0; i < SeatCount; ++i) {
        state_.Players[i].Name = TxtPName[i]->text().toStdString();
    }
    for (int i = 1; i < SeatCount; ++i) {
        state_.Players[i].Pattern = HScrSpirit[i]->value();
    }
    state_.SaveType = CmbSaveData->currentIndex();
    state_.CardType = CardDesign();
    accept();
}

}  // namespace kestrins
