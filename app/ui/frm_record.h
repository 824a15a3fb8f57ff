// The game record: this run's games newest first, followed live while the window is open, and
// what the lasting record says about every name, with its money chart and the CSV export.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QTextBrowser;

namespace kestrins {

class GameRecorder;
class MessageBoxes;
class MoneyChart;

class FrmRecord final : public QWidget {
    Q_OBJECT

public:
    // Modeless; deletes itself when closed.
    FrmRecord(const GameRecorder& recorder, MessageBoxes& boxes, QWidget* parent);

    // Rewrites the list of games from the recorder.
    void ShowGames();
    // Reads the lasting record again.
    void ShowStats();
    // Writes every stored bet to `path` and every stored game's seats beside it
    // ("<name>-games.csv") as CSV, and says where; false (and a message) when it cannot.
    bool ExportCsv(const QString& path);

private:
    void CreateStatsPage();
    void CmdExport_Click();

    const GameRecorder& recorder_;
    MessageBoxes& boxes_;
    int64_t shownGameId_ = -1;  // the newest stored game the stats page was read with
    QTabWidget* tabs_;
    QTextBrowser* TxtGames;
    QTableWidget* TblStats;
    // The human's matches won and lost.
    QLabel* LblMatches;
    MoneyChart* PictMoney;
    QPushButton* CmdExport;
};

}  // namespace kestrins
