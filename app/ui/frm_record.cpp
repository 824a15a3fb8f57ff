// Record window: a tab with this run's games, redrawn whenever the recorder reports a change.
#include "ui/frm_record.h"

#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "record/game_recorder.h"
#include "ui/record_text.h"
#include "ui/window_font.h"

namespace kestrins {

FrmRecord::FrmRecord(const GameRecorder& recorder, QWidget* parent)
    : QWidget(parent, Qt::Window), recorder_(recorder) {
    setObjectName(QStringLiteral("FrmRecord"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("対戦記録"));
    setFont(WindowFont());
    tabs_ = new QTabWidget(this);
    TxtGames = new QTextBrowser;
    TxtGames->setObjectName(QStringLiteral("TxtGames"));
    tabs_->addTab(TxtGames, QStringLiteral("今回の対戦"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(640, 560);
    connect(&recorder_, &GameRecorder::Changed, this, &FrmRecord::ShowGames);
    ShowGames();
}

void FrmRecord::ShowGames() {
    const auto& games = recorder_.Games();
    if (games.empty()) {
        TxtGames->setHtml(QStringLiteral("<p>まだゲームをしていません。</p>"));
        return;
    }
    QString html;
    for (auto game = games.rbegin(); game != games.rend(); ++game) {
        const int number = static_cast<int>(games.rend() - game);
        html += GameText(*game, number) + QStringLiteral("<hr>");
    }
    TxtGames->setHtml(html);
}

}  // namespace kestrins
