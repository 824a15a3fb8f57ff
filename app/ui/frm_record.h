// The game record: this run's games newest first, followed live while the window is open.
#pragma once

#include <QWidget>

class QTabWidget;
class QTextBrowser;

namespace kestrins {

class GameRecorder;

class FrmRecord final : public QWidget {
    Q_OBJECT

public:
    // Modeless; deletes itself when closed.
    FrmRecord(const GameRecorder& recorder, QWidget* parent);

    // Rewrites the list of games from the recorder.
    void ShowGames();

private:
    const GameRecorder& recorder_;
    QTabWidget* tabs_;
    QTextBrowser* TxtGames;
};

}  // namespace kestrins
