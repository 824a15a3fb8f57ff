// The main window: the table, the message strip, the exchange button, the bet panel and menus.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/round.h"
#include "engine/round_window.h"
#include "engine/table_painter.h"
#include "platform/scaled_pacer.h"
#include "platform/surface.h"
#include "record/game_recorder.h"
#include "settings/settings.h"
#include "ui/frm_results.h"
#include "ui/game_context.h"
#include "ui/title_screen.h"
#include "ui/tool_window_place.h"

class QAction;
class QMenu;
class QPushButton;
class QTimer;

namespace kestrins {

class FrmCoach;
class SoundMenu;
class SoundOutput;
class FrmParts;
class SurfaceView;

class FrmMain final : public QMainWindow, public KeepsInSight, private RoundWindow {
    Q_OBJECT

public:
    // showMoney: whether the money window was open when the program last closed.
    FrmMain(GameContext context, bool showMoney);
    ~FrmMain() override;

    Round& Game() { return round_; }
    // This run's games as the round reported them.
    const GameRecorder& Recorder() const { return recorder_; }
    Surface& PlayField() { return playField_; }
    Surface& Info() { return info_; }

    void MnuitemStart_Click();
    void CmdChange_Click();
    void CmdBet_Click(int index);
    void PictPlayField_MouseDown(Qt::MouseButton button, int x, int y);
    void PictPlayField_MouseMove(int x, int y);
    void DrawTitle(int row);
    // Marks or unmarks the human's card (0 to 4) in StateDealt, as a click on it does.
    void MnuitemMark_Click(int column);
    void MnuitemOption_Click();
    void MnuitemResults_Click();
    void MnuitemHelp_Click();
    // Back to the title screen between games: start over or continue from there.
    void MnuitemTitle_Click();
    void MnuitemSpeed_Click(int32_t speed);
    // Shows the table at TableSize `size`, or at the largest that fits on the screen; the window
    // grows or shrinks to fit it, moving up or left as far as it must to stay on the screen.
    void MnuitemTableSize_Click(int32_t size);
    // The cards, the seats' panels and the buttons over the table, on the screen.
    std::vector<QRect> InSight() const override;
    void MnuitemHandList_Click();
    void MnuitemRecord_Click();
    // The exchange coach on or off, as the menu item's check mark now says.
    void MnuitemCoach_Click();
    // The money window, while it is open.
    FrmResults* Results() const { return results_; }
    // Describes the table and the message strip to screen readers from the state as it is now.
    void UpdateDescription();
    // An end that nobody asked the player about (a signal): a game in progress stops at its next
    // checkpoint as for a close, the window closes without a question, and the event loops end.
    // An open result sheet first grants the drops of a won game, as its OK would. The caller
    // then saves with SaveUnasked.
    void EndUnasked();
    bool EndedUnasked() const { return endingChoice_.has_value(); }
    // Saves as a close would, without asking: with "ask at exit", every value but the money,
    // which stays as it was stored. The drops of a won game's open result sheet are granted
    // first.
    void SaveUnasked();
    // Who plays the table's sounds; nullptr (as at first) for nobody.
    void SetSoundOutput(SoundOutput* output);

    QAction* MnuitemStart;
    QAction* MnuitemTitle;
    // The keys of the table: the exchange (Enter), cards 1 to 5, taking back a raise (Esc).
    QAction* MnuitemChange;
    std::array<QAction*, 5> MnuitemMark{};
    QAction* MnuitemCancelRaise;
    // Normal, fast, fastest: the index is the GameSpeed.
    std::array<QAction*, 3> MnuitemSpeed{};
    // 100 %, 150 %, 200 %: the index is the TableSize; then one step larger and one smaller.
    std::array<QAction*, 3> MnuitemTableSize{};
    QAction* MnuitemZoomIn;
    QAction* MnuitemZoomOut;
    QAction* MnuitemOption;
    QAction* MnuitemResults;
    QAction* MnuitemRecord;
    QAction* MnuitemEnd;
    QAction* MnuitemHelp;
    QAction* MnuitemHandList;
    QAction* MnuitemCoach;
    // The sound items at the end of the view menu.
    SoundMenu* SoundItems;
    // Moves the keyboard into the coach window while it is shown.
    QAction* MnuitemCoachFocus;
    QPushButton* CmdChange;
    QWidget* PictBet;
    std::array<QPushButton*, 4> CmdBet{};

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The coach follows the table.
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The title choice by arrows and Enter, and Enter on a focused bet button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateMenus();
    void CreateKeyMenu(QMenu& parent);
    void CreateViewMenu();
    void OpenResults();
    // Writes what the player just changed, not to lose it to a crash before the exit.
    void KeepSetting(Setting setting);
    // While the coach is on: the exchange coach while cards are chosen, the bet coach while the
    // bet panel shows; else hides it.
    void UpdateCoach();
    void CreateControls();
    // Places everything in a client area of this size.
    void Layout(QSize client);
    // Draws the table again at its size now: the title screen, or what the painter last drew.
    void RedrawTable();
    // Sizes the exchange and bet buttons, with their captions, to the table's scale.
    void ScaleButtons(double scale);
    // Settles the save choice and writes the settings; false keeps the window open.
    bool Form_QueryUnload();
    // After a close the player called off: a game given up for the close counts for nothing,
    // and the table waits for F2; after a lost match the message line points to the title.
    void KeepOpen();
    // Starts over (row 1) or continues (row 2), by the pointer or by the keys; any other row
    // does nothing.
    void ChooseTitleRow(int row, bool byKeys);

    void SetStartEnabled(bool enabled) override;
    void SetChangeVisible(bool visible) override;
    void SetBetPanelVisible(bool visible) override;
    void SetBetButton(int index, const std::string& caption, bool enabled) override;
    void ShowParts() override;
    void Unload() override;

    GameContext context_;
    bool showMoney_;
    Surface playField_;
    Surface info_;
    // The game's pauses at the chosen speed.
    ScaledPacer pace_;
    TablePainter painter_;
    GameRecorder recorder_;
    Round round_;
    TitleScreen title_;
    QPointer<FrmResults> results_;
    QPointer<QWidget> handList_;
    QPointer<QWidget> record_;
    // The result sheet while it is open.
    QPointer<FrmParts> parts_;
    // The pending close's choice when EndUnasked came; nothing before.
    std::optional<int32_t> endingChoice_;
    // Made the first time the coach is needed.
    FrmCoach* coach_ = nullptr;
    // Runs UpdateDescription once the event loop is back after one or more refreshes, when
    // the state has caught up with the picture.
    QTimer* describeTimer_;
    SurfaceView* PictPlayField;
    SurfaceView* PictInfo;
};

}  // namespace kestrins
