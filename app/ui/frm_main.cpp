// Main window: layout, menus, title screen, card selection, the bet panel and the close request.
#include "ui/frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "game/constants.h"
#include "platform/input_hold.h"
#include "render/draw_table.h"
#include "render/show_message.h"
#include "render/table_geometry.h"
#include "settings/settings.h"
#include "ui/accessible_text.h"
#include "ui/focus_return.h"
#include "ui/focus_ring_button.h"
#include "ui/frm_coach.h"
#include "ui/frm_hand_list.h"
#include "ui/frm_option.h"
#include "ui/frm_parts.h"
#include "ui/frm_record.h"
#include "ui/frm_results.h"
#include "ui/frm_version.h"
#include "ui/instant_access_key.h"
#include "ui/keyboard_cues.h"
#include "ui/menu_choices.h"
#include "ui/sound_menu.h"
#include "ui/surface_view.h"
#include "ui/table_description.h"
#include "ui/table_size_fit.h"

namespace kestrins {

namespace {

constexpr int InfoHeight = 20;
constexpr uint32_t InfoGrey = 0xC0C0C0;
// How long each pause lasts at each game speed, as a share of its own length.
constexpr std::array<double, SpeedCount> PauseScale{1.0, 0.5, 0.1};
// The bet buttons' mnemonics: call (also "決定"), raise, drop, cancel.
constexpr std::array<char16_t, 4> BetKeys{u'C', u'R', u'D', u'U'};

// The exchange button's size, the bet panel's size and its four buttons' places, at 100 %.
constexpr QSize ChangeSize(105, 33);
constexpr QSize BetPanelSize(215, 67);
constexpr QSize BetButtonSize(105, 33);
constexpr std::array<QPoint, 4> BetButtonPlaces{QPoint(0, 0), QPoint(104, 0), QPoint(0, 32),
                                                QPoint(104, 32)};

// The smallest size, in pixels, that the drop button's caption is shrunk to for a long count.
constexpr int MinCaptionPixels = 8;
// Clear room kept on each side of a caption inside the frame, at 100 %.
constexpr int CaptionMargin = 3;

// A caption with its mnemonic in the usual Japanese form: "コール(&C)" reads "コール(C)". A
// translated caption that marks its own letter ("&Call") keeps it.
QString WithMnemonic(const QString& caption, char16_t key) {
    if (caption.contains(u'&')) {
        return caption;
    }
    return caption + QStringLiteral("(&") + QChar(key) + u')';
}

// Shrinks the caption's font pixel by pixel until it fits inside the button's frame with a
// margin that grows with the button: the drop button's count with the mnemonic can be wider
// than the button.
void FitCaption(QPushButton& button) {
    QFont font = button.parentWidget()->font();
    QStyleOptionButton option;
    option.initFrom(&button);
    const int margin = CaptionMargin * button.height() / BetButtonSize.height();
    const int room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width() -
        2 * margin;
    const QString shown = QString(button.text()).remove(u'&');
    int pixels = QFontInfo(font).pixelSize();
    while (QFontMetrics(font).horizontalAdvance(shown) > room && pixels > MinCaptionPixels) {
        font.setPixelSize(--pixels);
    }
    button.setFont(font);
}

}  // namespace

FrmMain::FrmMain(GameContext context, bool showMoney)
    : context_(context),
      showMoney_(showMoney),
      playField_(MakePlayField(520, 400 - InfoHeight - 1)),
      info_(520, InfoHeight, FromBgr(InfoGrey)),
      pace_(context.Pace),
      painter_(context.State, playField_, info_, context.Sheets, pace_),
      recorder_(context.Boxes),
      round_(context.State, context.Random, painter_, *this, context.Boxes),
      title_(context.State, playField_, info_, context.Sheets.Title, context.Boxes) {
    round_.SetObserver(&recorder_);
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(tr("ケストリン"));
    setWindowIcon(QIcon(QStringLiteral(":/art/icon_32.png")));

    CreateControls();
    CreateMenus();
    MnuitemTableSize_Click(context_.State.TableSize);
    MnuitemSpeed_Click(context_.State.GameSpeed);

    // Form_Load
    context_.State.GameState = StateTitle;
    Layout(centralWidget()->size());
    DrawTitle(0);
    UpdateDescription();
    if (showMoney_) {
        OpenResults();
    }
    recorder_.CheckLastingRecord();
}

FrmMain::~FrmMain() = default;

void FrmMain::CreateMenus() {
    QMenu* MnuGame = menuBar()->addMenu(tr("ゲーム(&G)"));
    MnuitemStart = MnuGame->addAction(tr("カードを配る(&S)"));
    MnuitemStart->setShortcut(Qt::Key_F2);
    MnuitemStart->setEnabled(false);
    connect(MnuitemStart, &QAction::triggered, this, &FrmMain::MnuitemStart_Click);
    MnuitemTitle = MnuGame->addAction(tr("タイトルに戻る(&T)"));
    connect(MnuitemTitle, &QAction::triggered, this, &FrmMain::MnuitemTitle_Click);
    CreateKeyMenu(*MnuGame);
    connect(MnuGame, &QMenu::aboutToShow, this, [this] {
        const int32_t gameState = context_.State.GameState;
        MnuitemTitle->setEnabled(gameState == StateReady || gameState == StateGameOver);
    });
    MnuGame->addSeparator();
    MnuitemOption = MnuGame->addAction(tr("設定(&P)"));
    MnuitemOption->setShortcut(Qt::Key_F3);
    MnuitemResults = MnuGame->addAction(tr("所持金の確認(&R)"));
    MnuitemResults->setShortcut(Qt::Key_F4);
    MnuitemResults->setCheckable(true);
    connect(MnuitemOption, &QAction::triggered, this, &FrmMain::MnuitemOption_Click);
    connect(MnuitemResults, &QAction::triggered, this, &FrmMain::MnuitemResults_Click);
    MnuitemSpeed =
        AddChoices<SpeedCount>(*MnuGame->addMenu(tr("ゲームの速さ(&D)")),
                               {tr("ふつう(&N)"), tr("速い(&F)"), tr("とても速い(&T)")}, this,
                               [this](int32_t speed) { MnuitemSpeed_Click(speed); });
    MnuitemRecord = MnuGame->addAction(tr("対戦記録(&H)"));
    MnuitemRecord->setShortcut(Qt::Key_F5);
    connect(MnuitemRecord, &QAction::triggered, this, &FrmMain::MnuitemRecord_Click);
    MnuGame->addSeparator();
    MnuitemEnd = MnuGame->addAction(tr("終了(&X)"));
    connect(MnuitemEnd, &QAction::triggered, this, &FrmMain::Unload);

    CreateViewMenu();

    QMenu* MnuHelp = menuBar()->addMenu(tr("ヘルプ(&H)"));
    MnuitemHelp = MnuHelp->addAction(tr("バージョン情報(&V)"));
    connect(MnuitemHelp, &QAction::triggered, this, &FrmMain::MnuitemHelp_Click);
    MnuitemHandList = MnuHelp->addAction(tr("役の一覧(&L)"));
    MnuitemHandList->setShortcut(Qt::Key_F1);
    connect(MnuitemHandList, &QAction::triggered, this, &FrmMain::MnuitemHandList_Click);
}

void FrmMain::CreateKeyMenu(QMenu& parent) {
    QMenu* MnuKeys = parent.addMenu(tr("キー操作(&K)"));
    MnuitemChange = MnuKeys->addAction(tr("交換(&E)"));
    MnuitemChange->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    connect(MnuitemChange, &QAction::triggered, this, &FrmMain::CmdChange_Click);
    MnuKeys->addSeparator();
    for (int column = 0; column < HandSize; ++column) {
        MnuitemMark[column] =
            MnuKeys->addAction(tr("%1 枚目のカードの選択・解除(&%1)").arg(column + 1));
        MnuitemMark[column]->setShortcut(Qt::Key_1 + column);
        connect(MnuitemMark[column], &QAction::triggered, this,
                [this, column] { MnuitemMark_Click(column); });
    }
    MnuKeys->addSeparator();
    MnuitemCancelRaise = MnuKeys->addAction(tr("レイズの取り消し(&U)"));
    MnuitemCancelRaise->setShortcut(Qt::Key_Escape);
    // A click does nothing while the button is disabled, as the mouse would find it.
    connect(MnuitemCancelRaise, &QAction::triggered, this, [this] { CmdBet[3]->click(); });
    // Each works only while its button is there to be pressed; a key that did nothing would
    // still have been taken from whatever has the focus.
    MnuitemChange->setEnabled(false);
    for (QAction* mark : MnuitemMark) {
        mark->setEnabled(false);
    }
    MnuitemCancelRaise->setEnabled(false);
    MnuKeys->addSeparator();
    MnuitemCoachFocus = MnuKeys->addAction(tr("交換のヒントへ移る(&A)"));
    MnuitemCoachFocus->setShortcut(Qt::CTRL | Qt::Key_F6);
    MnuitemCoachFocus->setEnabled(false);
    connect(MnuitemCoachFocus, &QAction::triggered, this, [this] {
        coach_->activateWindow();
        coach_->setFocus();
    });
}

void FrmMain::CreateViewMenu() {
    QMenu* MnuView = menuBar()->addMenu(tr("表示(&V)"));
    // A size the screen has no room for says so on its item.
    MnuView->setToolTipsVisible(true);
    // A size asked for during a pause comes when the pause is over, each in turn.
    MnuitemTableSize = AddChoices<TableSizeCount>(
        *MnuView, {tr("100 %(&1)"), tr("150 %(&5)"), tr("200 %(&2)")}, this, [this](int32_t size) {
            pace_.WhenPauseEnds([this, size] { MnuitemTableSize_Click(size); });
        });
    MnuitemTableSize[0]->setShortcut(Qt::CTRL | Qt::Key_0);
    MnuView->addSeparator();
    MnuitemZoomIn = MnuView->addAction(tr("拡大(&I)"));
    // Ctrl+= too: on many keyboards "+" is a shifted "=".
    MnuitemZoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(MnuitemZoomIn, &QAction::triggered, this, [this] {
        pace_.WhenPauseEnds([this] {
            MnuitemTableSize_Click(std::min(context_.State.TableSize + 1, TableSizeCount - 1));
        });
    });
    MnuitemZoomOut = MnuView->addAction(tr("縮小(&O)"));
    MnuitemZoomOut->setShortcut(Qt::CTRL | Qt::Key_Minus);
    connect(MnuitemZoomOut, &QAction::triggered, this, [this] {
        pace_.WhenPauseEnds(
            [this] { MnuitemTableSize_Click(std::max(context_.State.TableSize - 1, 0)); });
    });
    for (QAction* size : {MnuitemTableSize[0], MnuitemTableSize[1], MnuitemTableSize[2],
                          MnuitemZoomIn, MnuitemZoomOut}) {
        TakeInputDuringPauses(*size);
    }
    MnuView->addSeparator();
    MnuitemCoach = MnuView->addAction(tr("交換のヒント(&A)"));
    MnuitemCoach->setShortcut(Qt::Key_F6);
    MnuitemCoach->setCheckable(true);
    MnuitemCoach->setChecked(context_.State.ExchangeCoach);
    connect(MnuitemCoach, &QAction::triggered, this, &FrmMain::MnuitemCoach_Click);
    SoundItems = new SoundMenu(context_.State, *MnuView);
    // Kept the moment they change, as the other view values (after the menu's own handlers).
    connect(SoundItems->MnuitemSound, &QAction::triggered, this,
            [this] { KeepSetting(Setting::SoundEffects); });
    for (QAction* step : SoundItems->MnuitemVolume) {
        connect(step, &QAction::triggered, this, [this] { KeepSetting(Setting::SoundVolume); });
    }
    painter_.SetSound(SoundItems);
}

void FrmMain::CreateControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    PictPlayField = new SurfaceView(playField_, client);
    PictPlayField->setObjectName(QStringLiteral("PictPlayField"));
    PictPlayField->MouseDown = [this](Qt::MouseButton button, int x, int y) {
        PictPlayField_MouseDown(button, x, y);
    };
    PictPlayField->MouseMove = [this](int x, int y) { PictPlayField_MouseMove(x, y); };
    PictInfo = new SurfaceView(info_, client);
    PictInfo->setObjectName(QStringLiteral("PictInfo"));
    PictPlayField->setAccessibleName(tr("テーブル"));
    PictInfo->setAccessibleName(tr("メッセージ欄"));
    ReturnFocusAfterWindows(*this, *PictPlayField);
    ShowFocusOnceKeysAreUsed(*this);
    describeTimer_ = new QTimer(this);
    describeTimer_->setSingleShot(true);
    describeTimer_->setInterval(0);
    connect(describeTimer_, &QTimer::timeout, this, &FrmMain::UpdateDescription);
    for (SurfaceView* view : {PictPlayField, PictInfo}) {
        connect(view, &SurfaceView::Refreshed, describeTimer_, qOverload<>(&QTimer::start));
    }
    // A new size cuts or leaves short what was drawn for the old one: it is drawn again.
    connect(PictPlayField, &SurfaceView::Resized, this, &FrmMain::RedrawTable);
    connect(PictInfo, &SurfaceView::Resized, this,
            [this] { ShowMessage(info_, info_.AltText().toStdString()); });

    CmdChange = new QPushButton(WithMnemonic(tr("交換"), u'E'), client);
    CmdChange->setObjectName(QStringLiteral("CmdChange"));
    CmdChange->hide();
    connect(CmdChange, &QPushButton::clicked, this, &FrmMain::CmdChange_Click);
    ClickAtOnceOnAccessKey(*CmdChange);

    PictBet = new QWidget(client);
    PictBet->setObjectName(QStringLiteral("PictBet"));
    PictBet->setAccessibleName(tr("賭け"));
    PictBet->hide();
    // Shown, it is pressed on what the player sees: the round keeps a press made in its pause.
    TakeInputDuringPauses(*PictBet);
    // The drop button's caption comes with each round.
    const std::array<QString, 4> captions{WithMnemonic(tr("コール"), BetKeys[0]),
                                          WithMnemonic(tr("レイズ"), BetKeys[1]), QString(),
                                          WithMnemonic(tr("取り消し"), BetKeys[3])};
    for (int i = 0; i < 4; ++i) {
        CmdBet[i] = new FocusRingButton(captions[i], PictBet);
        CmdBet[i]->setObjectName(QStringLiteral("CmdBet%1").arg(i));
        // Tab reaches them; a click does not take the focus, so the mouse game looks the same.
        CmdBet[i]->setFocusPolicy(Qt::TabFocus);
        connect(CmdBet[i], &QPushButton::clicked, this, [this, i] { CmdBet_Click(i); });
        ClickAtOnceOnAccessKey(*CmdBet[i]);
    }
    CmdBet[3]->setEnabled(false);
    // Held down, "レイズ" repeats: each repeat is one click, one dollar.
    CmdBet[1]->setAutoRepeat(true);
}

void FrmMain::Layout(QSize client) {
    const int w = client.width();
    const int h = client.height();
    const double scale = TableScale[context_.State.TableSize];
    const int infoHeight = static_cast<int>(InfoHeight * scale);
    // The table keeps whole pixels with a one-pixel gap above the strip; at a half step its
    // view takes the half pixel left over rather than lose a row.
    const int tableHeight = std::max(static_cast<int>((h - infoHeight) / scale) - 1, 1);
    PictInfo->Place(QRect(0, h - infoHeight, w, infoHeight), scale);
    PictPlayField->Place(QRect(0, 0, w, static_cast<int>(std::ceil(tableHeight * scale))), scale);
    CmdChange->move(RoundHalfEven((w - CmdChange->width()) / 2.0), RoundHalfEven(220 * scale));
    PictBet->move(RoundHalfEven((w - PictBet->width()) / 2.0), RoundHalfEven(190 * scale));
}

void FrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!isMinimized()) {
        Layout(centralWidget()->size());
    }
    // A larger table would grow under the coach.
    if (coach_ != nullptr && coach_->isVisible()) {
        coach_->PlaceBesideParent();
    }
}

void FrmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (coach_ != nullptr && coach_->isVisible()) {
        coach_->PlaceBesideParent();
    }
}

void FrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Only now has the window its frame: the size is fitted to the screen with it.
    if (!event->spontaneous()) {
        MnuitemTableSize_Click(context_.State.TableSize);
    }
}

void FrmMain::DrawTitle(int row) {
    title_.Draw(row);
}

void FrmMain::RedrawTable() {
    if (context_.State.GameState == StateTitle) {
        title_.Redraw();
    } else {
        painter_.Redraw();
    }
}

void FrmMain::PictPlayField_MouseDown(Qt::MouseButton button, int x, int y) {
    MdlMain& state = context_.State;
    if (state.GameState == StateTitle) {
        ChooseTitleRow(title_.RowAt(y), false);
    } else if (state.GameState == StateDealt && button == Qt::LeftButton) {
        const int x0 = ComputeTableOrigin(playField_.Width(), playField_.Height()).X0;
        const int column = static_cast<int>(std::floor((x - x0) / 50.0));
        if (column >= 0 && column < HandSize) {
            if (y >= playField_.Height() - 100) {
                MnuitemMark_Click(column);
            } else {
                painter_.DrawTable();
            }
        }
    }
}

void FrmMain::ChooseTitleRow(int row, bool byKeys) {
    MdlMain& state = context_.State;
    if (state.GameState == StateTitle && title_.Choose(row, byKeys)) {
        painter_.ClearField();
        playField_.Refresh();
        ShowMessage(info_, tr("F2 を押してください。").toStdString());
        MnuitemStart->setEnabled(true);
        state.GameState = StateReady;
    }
}

void FrmMain::MnuitemMark_Click(int column) {
    MdlMain& state = context_.State;
    if (state.GameState == StateDealt && column >= 0 && column < HandSize) {
        Card& card = state.Players[0].Cards[column];
        card.Selected = !card.Selected;
        painter_.DrawTable();
        painter_.Cue(card.Selected ? SoundCue::Mark : SoundCue::Unmark, 0);
        if (coach_ != nullptr) {
            coach_->ShowMarks(state.Players[0].Cards);
        }
    }
}

void FrmMain::PictPlayField_MouseMove(int /*x*/, int y) {
    if (context_.State.GameState == StateTitle) {
        DrawTitle(title_.RowAt(y));
    }
}

void FrmMain::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (context_.State.GameState == StateTitle && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        title_.MoveByKey(key);
    } else if (context_.State.GameState == StateTitle && enter) {
        ChooseTitleRow(title_.Row(), true);
    } else if (auto* button = qobject_cast<QPushButton*>(focusWidget()); enter && button) {
        // Outside dialogs a button takes Space only; Enter presses the focused one here too.
        button->click();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

void FrmMain::MnuitemStart_Click() {
    const int32_t gameState = context_.State.GameState;
    // The shortcut can fire while the item is being disabled; a deal only starts between games.
    if (!MnuitemStart->isEnabled() || (gameState != StateReady && gameState != StateGameOver)) {
        return;
    }
    round_.DealGame();
}

void FrmMain::CmdChange_Click() {
    if (context_.State.GameState == StateDealt) {
        round_.PlayGame();
    }
}

void FrmMain::CmdBet_Click(int index) {
    // In the pause before the human's wait a held button repeats no more: its press counts once.
    if (pace_.Pausing()) {
        CmdBet[index]->setDown(false);
    }
    if (PictBet->isVisible()) {
        round_.BetButtonPressed(index);
    }
}

void FrmMain::MnuitemOption_Click() {
    FrmOption option(context_.State, context_.Sheets.CardBacks.At(1.0), context_.Boxes, this);
    context_.Modal.Run(option);
    if (option.result() == QDialog::Accepted) {
        for (Setting setting : OptionSettings) {
            KeepSetting(setting);
        }
    }
    // A changed card back or name shows at once on a table with a game on it.
    switch (context_.State.GameState) {
        case StateGameOver:
            painter_.DrawTable("Open");
            break;
        case StateDealt:
        case StatePlaying:
            painter_.DrawTable("Close");
            break;
        default:
            break;
    }
}

void FrmMain::OpenResults() {
    results_ = new FrmResults(context_.State, context_.Random, pace_, context_.Sheets.Coins, this);
    connect(results_, &FrmResults::Closed, this, [this] { MnuitemResults->setChecked(false); });
    results_->ShowAtTopLeft();
    MnuitemResults->setChecked(true);
}

void FrmMain::MnuitemResults_Click() {
    // The action has already toggled its check mark: it now says what the player asked for.
    if (MnuitemResults->isChecked()) {
        OpenResults();
    } else if (results_ != nullptr) {
        results_->close();
    }
}

void FrmMain::MnuitemHelp_Click() {
    FrmVersion version(QImage(QStringLiteral(":/art/icon_32.png")), this);
    context_.Modal.Run(version);
}

void FrmMain::MnuitemTitle_Click() {
    const int32_t gameState = context_.State.GameState;
    if (gameState != StateReady && gameState != StateGameOver) {
        return;
    }
    MnuitemStart->setEnabled(false);
    context_.State.GameState = StateTitle;
    ShowMessage(info_, "");
    DrawTitle(0);
}

void FrmMain::MnuitemSpeed_Click(int32_t speed) {
    const bool changed = speed != context_.State.GameSpeed;
    context_.State.GameSpeed = speed;
    MnuitemSpeed[speed]->setChecked(true);
    pace_.SetScale(PauseScale[speed]);
    if (changed) {
        KeepSetting(Setting::GameSpeed);
    }
}

void FrmMain::MnuitemTableSize_Click(int32_t size) {
    // The window stays on its screen: a size too large for it is not offered.
    const QRect available = screen()->availableGeometry();
    const QSize around =
        frameGeometry().size() - QWidget::size() + QSize(0, menuBar()->sizeHint().height());
    const int32_t largest = LargestFittingTableSize(available.size(), around);
    size = std::min(size, largest);
    OfferTableSizes(MnuitemTableSize, *MnuitemZoomIn, size, largest);
    if (size != context_.State.TableSize) {
        context_.State.TableSize = size;
        KeepSetting(Setting::TableSize);
    }
    MnuitemTableSize[size]->setChecked(true);
    const double scale = TableScale[size];
    const QSize table = TableClientSize(size);
    ScaleButtons(scale);
    resize(table.width(), table.height() + menuBar()->sizeHint().height());
    if (!isMaximized() && !isFullScreen()) {
        move(KeepOnScreen(QRect(pos(), table + around), available));
    }
    // The window system may resize the window later, or not at all when it is maximized: till
    // then the views may reach past the window rather than cut the table to the old size.
    Layout(centralWidget()->size().expandedTo(table));
}

std::vector<QRect> FrmMain::InSight() const {
    const double scale = PictPlayField->Scale();
    std::vector<QRect> shown;
    for (const QRect& place : TableContent(playField_.Width(), playField_.Height())) {
        shown.emplace_back(PictPlayField->mapToGlobal(QPoint(RoundHalfEven(place.x() * scale),
                                                             RoundHalfEven(place.y() * scale))),
                           place.size() * scale);
    }
    for (const QWidget* button : {static_cast<QWidget*>(CmdChange), PictBet}) {
        shown.emplace_back(button->mapToGlobal(QPoint()), button->size());
    }
    return shown;
}

void FrmMain::ScaleButtons(double scale) {
    QFont font = centralWidget()->font();
    font.setPixelSize(static_cast<int>(QFontInfo(font).pixelSize() * scale));
    CmdChange->setFont(font);
    CmdChange->resize(ChangeSize * scale);
    PictBet->setFont(font);
    PictBet->resize(BetPanelSize * scale);
    for (int i = 0; i < 4; ++i) {
        CmdBet[i]->setGeometry(QRect(BetButtonPlaces[i] * scale, BetButtonSize * scale));
        FitCaption(*CmdBet[i]);
    }
}

void FrmMain::MnuitemHandList_Click() {
    if (handList_ == nullptr) {
        handList_ = new FrmHandList(context_.Sheets, this);
    }
    handList_->show();
    handList_->raise();
}

void FrmMain::MnuitemRecord_Click() {
    if (record_ == nullptr) {
        recorder_.CheckLastingRecord();
        record_ = new FrmRecord(recorder_, context_.Boxes, this);
    }
    record_->show();
    record_->raise();
}

void FrmMain::MnuitemCoach_Click() {
    context_.State.ExchangeCoach = MnuitemCoach->isChecked();
    KeepSetting(Setting::ExchangeCoach);
    UpdateCoach();
}

void FrmMain::KeepSetting(Setting setting) {
    // A value that cannot be written now is written again at exit, which tells the player.
    SaveSetting(context_.State, setting, context_.Store);
}

void FrmMain::UpdateCoach() {
    const bool choosing = MnuitemChange->isEnabled();
    const bool betting = !PictBet->isHidden();
    const bool shown = (choosing || betting) && context_.State.ExchangeCoach;
    if (shown && coach_ == nullptr) {
        coach_ = new FrmCoach(this);
        connect(coach_, &FrmCoach::Closed, this, [this] {
            MnuitemCoach->setChecked(false);
            MnuitemCoach_Click();
        });
    }
    if (shown && choosing) {
        coach_->ShowHand(context_.State.Players[0].Cards);
    } else if (shown) {
        coach_->ShowBets(recorder_.Seen());
    } else if (coach_ != nullptr) {
        coach_->Stop();
    }
    MnuitemCoachFocus->setEnabled(shown);
}

void FrmMain::UpdateDescription() {
    SetAccessibleDescription(*PictPlayField,
                             DescribeTable(context_.State, painter_.Shows(), info_.AltText()));
    SetAccessibleDescription(*PictInfo, info_.AltText());
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (endingChoice_ || Form_QueryUnload()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool FrmMain::Form_QueryUnload() {
    MdlMain& state = context_.State;
    // Without a library that can write, the player has been told that nothing is kept: no
    // question whose answer could not be acted on, and no second word about it.
    const bool canSave = context_.Store.CanWrite();
    int32_t choice = round_.CloseChoice;
    if (choice == 0) {
        choice = state.SaveType;
        if (choice == 0 && !canSave) {
            choice = 2;
        } else if (choice == 0) {
            switch (context_.Boxes.Show(tr("現在の所持金を保存しますか？").toStdString(),
                                        tr("確認").toStdString(), MessageButtons::YesNoCancel,
                                        MessageIcon::Question)) {
                case MessageAnswer::Yes:
                    choice = 1;
                    break;
                case MessageAnswer::No:
                    choice = 2;
                    break;
                default:
                    KeepOpen();
                    return false;
            }
        }
        if (state.GameState == StatePlaying) {
            round_.CloseChoice = choice;
            return false;
        }
    }
    // A failed save would lose the money: the player may mend the folder and try again.
    for (;;) {
        const Unsaved unsaved =
            SaveAtClose(state, choice, MnuitemResults->isChecked(), context_.Store);
        if (unsaved.Empty() || !canSave) {
            break;
        }
        const MessageAnswer answer =
            context_.Boxes.Show(SaveFailureMessage(unsaved), "Kestrin",
                                MessageButtons::RetryDiscardCancel, MessageIcon::Error);
        if (answer == MessageAnswer::Discard) {
            break;
        }
        if (answer != MessageAnswer::Retry) {
            KeepOpen();
            return false;
        }
    }
    if (results_ != nullptr) {
        results_->close();
    }
    return true;
}

void FrmMain::KeepOpen() {
    round_.CloseChoice = 0;
    if (round_.QuitRequested && context_.State.GameState == StatePlaying) {
        // Nothing was settled: the money is as before the deal.
        context_.State.GameState = StateReady;
        SetBetPanelVisible(false);
        painter_.ClearField();
        playField_.Refresh();
        ShowMessage(info_, tr("F2 を押してください。").toStdString());
        MnuitemStart->setEnabled(true);
    } else if (context_.State.GameState == StateGameOver && context_.State.Players[0].Money < 0) {
        // The lost match deals no more: the way on is back to the title.
        ShowMessage(
            info_,
            tr("ゲームオーバーです。続けるには「ゲーム」の「タイトルに戻る」を選んでください")
                .toStdString());
    }
}

void FrmMain::EndUnasked() {
    // The sheet of a won game will not be closed by its OK now: its drops are granted before
    // the save that follows.
    if (parts_ != nullptr) {
        parts_->GrantWinBonus();
    }
    if (!endingChoice_) {
        endingChoice_ = round_.CloseChoice;
        // Any choice stops the game; what is saved follows endingChoice_.
        round_.CloseChoice = 2;
    }
    QCoreApplication::exit(0);
}

void FrmMain::SaveUnasked() {
    if (parts_ != nullptr) {
        parts_->GrantWinBonus();
    }
    const int32_t pending = endingChoice_.value_or(round_.CloseChoice);
    SaveAtClose(context_.State, pending != 0 ? pending : context_.State.SaveType,
                MnuitemResults->isChecked(), context_.Store);
}

void FrmMain::SetSoundOutput(SoundOutput* output) {
    SoundItems->SetOutput(output);
}

void FrmMain::SetStartEnabled(bool enabled) {
    MnuitemStart->setEnabled(enabled);
}

void FrmMain::SetChangeVisible(bool visible) {
    CmdChange->setVisible(visible);
    MnuitemChange->setEnabled(visible);
    for (QAction* mark : MnuitemMark) {
        mark->setEnabled(visible);
    }
    UpdateCoach();
    if (visible) {
        CmdChange->setFocus();
    }
}

void FrmMain::SetBetPanelVisible(bool visible) {
    PictBet->setVisible(visible);
    UpdateCoach();
    if (visible) {
        CmdBet[0]->setFocus();
    }
    // A button held down while the panel hides stops repeating, not to go on at the next turn.
    if (!visible) {
        for (QPushButton* button : CmdBet) {
            button->setDown(false);
        }
    }
}

void FrmMain::SetBetButton(int index, const std::string& caption, bool enabled) {
    CmdBet[index]->setText(WithMnemonic(QString::fromStdString(caption), BetKeys[index]));
    CmdBet[index]->setEnabled(enabled);
    FitCaption(*CmdBet[index]);
    if (index == 3) {
        MnuitemCancelRaise->setEnabled(enabled);
        // Every raise step and cancel sets this button, with the human's bet already changed.
        if (coach_ != nullptr) {
            coach_->ShowPressed(context_.State.Players[0].Bet);
        }
    }
}

void FrmMain::ShowParts() {
    FrmParts parts(context_.State, info_, context_.Sheets.Winner, context_.Boxes, this);
    // The pot moves as the sheet shows who won it.
    const int32_t winner = context_.State.Winner;
    painter_.Cue(SoundCue::Chips, winner == WinnerDraw ? -1 : winner);
    parts_ = &parts;
    context_.Modal.Run(parts);
}

void FrmMain::Unload() {
    close();
}

}  // namespace kestrins
