// The menu items: which can be chosen at each point of a game, the money window's check mark
// follows the window, the options redraw a table that has a game on it, the keys come back when
// a window closes, and the record window checks its file and exports it.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/constants.h"
#include "main_window_fixture.h"
#include "record/csv.h"
#include "record/record_store.h"
#include "support/kept_copy_name.h"
#include "ui/frm_record.h"
#include "ui/frm_results.h"

namespace kestrins::testing {
namespace {

TEST_F(MainWindowTest, MenuItemsCanBeChosenOnlyWhereTheyMeanSomething) {
    // What the game menu offers when it opens, as words.
    const auto offered = [this] {
        emit window->menuBar()->actions().front()->menu()->aboutToShow();
        std::string on;
        for (const auto& [name, item] : {std::pair{"deal", window->MnuitemStart},
                                         {"title", window->MnuitemTitle},
                                         {"exchange", window->MnuitemChange},
                                         {"card1", window->MnuitemMark[0]},
                                         {"card5", window->MnuitemMark[4]},
                                         {"undo", window->MnuitemCancelRaise}}) {
            on += item->isEnabled() ? std::string(name) + " " : std::string();
        }
        return on;
    };
    EXPECT_EQ(offered(), "");
    ChooseTitle(1);
    EXPECT_EQ(offered(), "deal title ");
    DealAcesAgainstNoHands();
    EXPECT_EQ(offered(), "exchange card1 card5 ");
    ScriptCpuCalls();
    pacer.AtWait.push_back([&] {
        EXPECT_EQ(offered(), "");
        window->CmdBet[1]->click();
        EXPECT_EQ(offered(), "undo ");
        window->CmdBet[3]->click();
        EXPECT_EQ(offered(), "");
        ScriptCpuCalls(2);
        window->CmdBet[0]->click();
    });
    window->CmdChange->click();
    ASSERT_EQ(state.GameState, StateGameOver);
    EXPECT_EQ(offered(), "deal title ");
    window->MnuitemTitle->trigger();
    EXPECT_EQ(offered(), "");
}

// The menu is where a player learns the keys: each card's item names its place and its key.
TEST_F(MainWindowTest, TheKeyMenuNamesEachCardByItsPlaceAndKey) {
    const std::array<const char*, HandSize> texts{
        "1 枚目のカードの選択・解除(&1)", "2 枚目のカードの選択・解除(&2)",
        "3 枚目のカードの選択・解除(&3)", "4 枚目のカードの選択・解除(&4)",
        "5 枚目のカードの選択・解除(&5)"};
    for (int column = 0; column < HandSize; ++column) {
        EXPECT_EQ(window->MnuitemMark[column]->text(), QString::fromUtf8(texts[column]));
        EXPECT_EQ(window->MnuitemMark[column]->shortcut(),
                  QKeySequence(QString::number(column + 1)));
    }
}

TEST_F(MainWindowTest, MoneyWindowAndCheckMarkFollowEachOtherAndAnOpenOneIsKept) {
    random.Push(0.5f, 2000);  // the chart's coin jitter, not counted here
    EXPECT_FALSE(window->MnuitemResults->isChecked());
    const auto expectClosed = [this] {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window->Results(), nullptr);
        EXPECT_FALSE(window->MnuitemResults->isChecked());
    };

    window->MnuitemResults->trigger();
    ASSERT_NE(window->Results(), nullptr);
    EXPECT_TRUE(window->Results()->isVisible());
    EXPECT_TRUE(window->MnuitemResults->isChecked());
    window->Results()->close();  // its own close box
    expectClosed();
    window->MnuitemResults->trigger();
    window->MnuitemResults->trigger();  // the menu item closes it again
    expectClosed();

    // Stored as shown, it opens with the main window, and closes with it, stored as shown again.
    OpenWindow(store, true);
    ASSERT_NE(window->Results(), nullptr);
    EXPECT_TRUE(window->MnuitemResults->isChecked());
    state.SaveType = 2;
    window->close();
    EXPECT_EQ(Stored("ShowMoney"), 1);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->Results(), nullptr);
}

TEST_F(MainWindowTest, OptionsRedrawTheTableOnlyWhenAGameIsOnIt) {
    ChooseTitle(1);
    Deal();
    const QImage dealt = window->PlayField().Image();
    modal.Handler = [](QDialog& options) {
        options.findChild<QLineEdit*>(QStringLiteral("TxtPName1"))
            ->setText(QStringLiteral("ハヤブサ"));
        options.findChild<QPushButton*>(QStringLiteral("CmdOK"))->click();
    };
    window->MnuitemOption->trigger();
    EXPECT_EQ(state.Players[1].Name, "ハヤブサ");
    EXPECT_NE(window->PlayField().Image(), dealt) << "the new name shows at once";
}

// Whatever closes, a modeless window, a menu used by the mouse or a box stacked on a modal
// sheet, the keys come back to the table: the title's arrows and F2 work at once.
TEST_F(MainWindowTest, TheKeysComeBackToTheTableAfterAnyWindowCloses) {
    const auto key = [](Qt::Key pressed) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), pressed);
    };
    const auto expectTableFocused = [this] {
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return QApplication::focusWidget() == &PlayFieldWidget(); }));
    };
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QWidget other(window.get(), Qt::Window);
    auto* field = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    field->setFocus();
    other.close();
    expectTableFocused();
    key(Qt::Key_Down);
    EXPECT_EQ(window->Info().AltText(), QStringLiteral("最初からから始めます"));

    ChooseTitle(1);
    QMenu* game = window->menuBar()->actions().first()->menu();
    game->popup(window->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
    QTest::mouseClick(game, Qt::LeftButton, {},
                      game->actionGeometry(window->MnuitemTitle).center());
    ASSERT_EQ(state.GameState, StateTitle);
    expectTableFocused();
    key(Qt::Key_Up);
    EXPECT_EQ(window->Info().AltText(), QStringLiteral("続きからから始めます"));

    ChooseTitle(1);
    QDialog sheet(window.get());
    sheet.setModal(true);
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    QMessageBox box(QMessageBox::Information, QString(), QString(), QMessageBox::Ok, window.get());
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.close();
    sheet.close();
    expectTableFocused();
    ScriptOrderedShuffle();
    key(Qt::Key_F2);
    EXPECT_EQ(state.GameState, StateDealt);
}

// A damaged record would read as "no games yet": it is set aside and reported once, at start
// or when the record window opens, whichever meets it first.
TEST_F(MainWindowTest, ADamagedRecordIsSetAsideAndReportedWhenFirstMet) {
    const std::string file = home.RecordFolder() + "/record.db";
    const auto damage = [&file] {
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::ofstream(file) << std::string(4096, 'x');
    };
    const auto closeRecord = [this] {
        window->findChild<QWidget*>(QStringLiteral("FrmRecord"))->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // The message names the damaged file first, then the copy it is kept as.
    const auto keptAs = [&file](const std::string& copy) {
        return "対戦記録のファイルが壊れていたため読み込めませんでした。\n" + file + "\nは\n" +
               copy + "\nとして残し、新しい記録を始めました。";
    };
    const auto copies = [this, &file] {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(home.RecordFolder())) {
            if (entry.path().string() != file) {
                found.push_back(entry.path().string());
            }
        }
        std::sort(found.begin(), found.end());
        return found;
    };
    damage();
    boxes.Shown.clear();
    const std::time_t start = std::time(nullptr);
    OpenWindow(store);
    ASSERT_EQ(boxes.Shown.size(), 1u) << "at start";
    ASSERT_EQ(copies().size(), 1u);
    EXPECT_TRUE(IsKeptCopyName(copies()[0], file, start, std::time(nullptr)));
    EXPECT_EQ(boxes.Shown[0].Text, keptAs(copies()[0]));
    window->MnuitemRecord->trigger();
    closeRecord();
    EXPECT_EQ(boxes.Shown.size(), 1u) << "a healthy record says nothing";

    damage();
    window->MnuitemRecord->trigger();
    EXPECT_EQ(boxes.Shown.size(), 2u) << "when the record window opens";
    window->MnuitemRecord->trigger();  // already open: not checked again
    closeRecord();
    EXPECT_EQ(boxes.Shown.size(), 2u);
    // Sorted, the second copy comes last: a later second, or the same one with "-2".
    const std::vector<std::string> kept = copies();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_TRUE(IsKeptCopyName(kept[1], file, start, std::time(nullptr)));
    EXPECT_EQ(boxes.Shown[1].Text, keptAs(kept[1]));
}

// The export writes the bets where the player chose and the games' seats beside it, and says
// where both are.
TEST_F(MainWindowTest, CsvExportWritesBetsAndGamesAndSaysWhere) {
    GameEntry game;
    game.Time = 1'800'000'000;
    game.Finished = true;
    game.Winner = WinnerDraw;
    game.Seats[2].Dropped = true;
    game.Seats[0].Final = PairOfAces;
    game.Seats[0].Showdown = {PartOnePair, 1, 0};
    game.Bets = {{3, BetCall, 1, false}, {2, BetDrop, 1, false}};
    ASSERT_NE(RecordStore(home.RecordFolder()).Append(game).Id, 0);
    game.Id = 1;

    window->MnuitemRecord->trigger();
    auto* record = window->findChild<FrmRecord*>(QStringLiteral("FrmRecord"));
    ASSERT_NE(record, nullptr);
    const std::string bets = home.Path() + "/out.csv";
    const std::string games = home.Path() + "/out-games.csv";
    boxes.Shown.clear();
    ASSERT_TRUE(record->ExportCsv(QString::fromStdString(bets)));
    const auto read = [](const std::string& path) {
        std::ostringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    };
    EXPECT_EQ(read(bets), BetRowsCsv(RecordStore(home.RecordFolder()).BetRows()));
    EXPECT_EQ(read(games), GameRowsCsv({game}));
    EXPECT_NE(read(games).find(",♠A ♥A ♦4 ♣K ♠Q,0,one_pair,0,"), std::string::npos);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text,
              "CSV ファイルに書き出しました。\n賭け : " + bets + "\nゲームと手札 : " + games);
}

}  // namespace
}  // namespace kestrins::testing
