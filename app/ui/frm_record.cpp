// Record window: this run's games, redrawn whenever the recorder reports a change, and a tab of
// the lasting record per name, read again whenever a stored game is added.
#include "ui/frm_record.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "game/embedded_name.h"
#include "platform/message_box.h"
#include "record/csv.h"
#include "record/game_recorder.h"
#include "record/record_store.h"
#include "ui/close_on_escape.h"
#include "ui/money_chart.h"
#include "ui/record_text.h"
#include "ui/window_font.h"

namespace kestrins {

namespace {

RecordStore LastingRecord() {
    return RecordStore(DefaultRecordFolder().value_or(std::string()));
}

// "record.csv" gives "record-games.csv", beside it.
QString GamesCsvPath(const QString& betsPath) {
    const QFileInfo bets(betsPath);
    const QString stem = bets.suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0
                             ? bets.completeBaseName()
                             : bets.fileName();
    return bets.dir().filePath(stem + QStringLiteral("-games.csv"));
}

QString Percent(int64_t part, int64_t whole) {
    return whole == 0
               ? QStringLiteral("-")
               : QStringLiteral("%1 %").arg(
                     100.0 * static_cast<double>(part) / static_cast<double>(whole), 0, 'f', 1);
}

}  // namespace

FrmRecord::FrmRecord(const GameRecorder& recorder, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window), recorder_(recorder), boxes_(boxes) {
    setObjectName(QStringLiteral("FrmRecord"));
    CloseOnEscape(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("対戦記録"));
    setFont(WindowFont());
    tabs_ = new QTabWidget(this);
    TxtGames = new QTextBrowser;
    TxtGames->setObjectName(QStringLiteral("TxtGames"));
    // Every line reads in the window's direction: a document takes a line's direction from its
    // first letter, also from a right-to-left name set apart in an isolate.
    QTextOption direction = TxtGames->document()->defaultTextOption();
    direction.setTextDirection(layoutDirection());
    TxtGames->document()->setDefaultTextOption(direction);
    tabs_->addTab(TxtGames, tr("今回の対戦"));
    CreateStatsPage();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(640, 560);
    connect(&recorder_, &GameRecorder::Changed, this, &FrmRecord::ShowGames);
    connect(&recorder_, &GameRecorder::ExchangeStored, this, &FrmRecord::ShowStats);
    connect(&recorder_, &GameRecorder::BetsStored, this, &FrmRecord::ShowStats);
    ShowStats();
    shownGameId_ = recorder_.Games().empty() ? 0 : recorder_.Games().back().Id;
    ShowGames();
}

void FrmRecord::CreateStatsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    TblStats = new QTableWidget(0, 10);
    TblStats->setObjectName(QStringLiteral("TblStats"));
    TblStats->setHorizontalHeaderLabels(
        {tr("名前"), tr("ゲーム数"), tr("勝ち"), tr("ドロップ"), tr("レイズ"), tr("ブラフ率"),
         tr("ブラフ成功率"), tr("平均の賭け金"), tr("交換の正確さ"), tr("賭けで逃した額")});
    TblStats->horizontalHeaderItem(8)->setToolTip(
        tr("最近 %1 ゲームで、一番よい残し方か 1 ポイント以内の残し方を選んだ割合")
            .arg(AccuracyGames));
    TblStats->horizontalHeaderItem(9)->setToolTip(
        tr("最近 %1 ゲームで、あなたの賭けが一番よい賭け方より 1 ゲームあたり平均で何 $ "
           "少なく見込まれたか")
            .arg(AccuracyGames));
    TblStats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblStats->verticalHeader()->hide();
    TblStats->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(TblStats, 1);
    LblMatches = new QLabel;
    LblMatches->setObjectName(QStringLiteral("LblMatches"));
    LblMatches->setToolTip(
        tr("コンピュータ全員の所持金がマイナスになった対戦が勝ち、あなたの所持金が"
           "マイナスになった対戦が負けです。記録に残る最近 %1 ゲームから数えます。")
            .arg(KeptGames));
    layout->addWidget(LblMatches);
    layout->addWidget(new QLabel(tr("最近 %1 ゲームの所持金").arg(ChartGames)));
    PictMoney = new MoneyChart;
    PictMoney->setObjectName(QStringLiteral("PictMoney"));
    PictMoney->setAccessibleName(tr("所持金のグラフ"));
    layout->addWidget(PictMoney, 2);
    CmdExport = new QPushButton(tr("CSV に書き出す(&E)..."));
    CmdExport->setObjectName(QStringLiteral("CmdExport"));
    connect(CmdExport, &QPushButton::clicked, this, &FrmRecord::CmdExport_Click);
    layout->addWidget(CmdExport, 0, Qt::AlignRight);
    tabs_->addTab(page, tr("相手の記録"));
}

void FrmRecord::ShowStats() {
    const std::vector<NameStats> stats = LastingRecord().Stats();
    TblStats->setRowCount(static_cast<int>(stats.size()));
    for (int row = 0; row < TblStats->rowCount(); ++row) {
        const NameStats& name = stats[static_cast<std::size_t>(row)];
        const QString bluffs = name.Human ? QStringLiteral("-") : Percent(name.Bluffs, name.Games);
        const QString bluffWins =
            name.Human ? QStringLiteral("-") : Percent(name.BluffWins, name.Bluffs);
        const QStringList cells = {
            QString::fromStdString(EmbedName(name.Name)) +
                (name.Human ? tr(" (あなた)") : QString()),
            QString::number(name.Games),
            QStringLiteral("%1 (%2)").arg(name.Wins).arg(Percent(name.Wins, name.Games)),
            QString::number(name.Drops),
            QString::number(name.Raises),
            bluffs,
            bluffWins,
            QStringLiteral("%1 $").arg(name.AverageBet, 0, 'f', 1),
            name.Human ? Percent(name.AccurateExchanges, name.JudgedExchanges)
                       : QStringLiteral("-"),
            name.Human && name.JudgedBetGames > 0
                ? tr("%1 $ / ゲーム").arg(name.BetLossPerGame, 0, 'f', 2)
                : QStringLiteral("-")};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignRight | Qt::AlignVCenter);
            TblStats->setItem(row, column, item);
        }
    }
    const auto human =
        std::find_if(stats.begin(), stats.end(), [](const NameStats& name) { return name.Human; });
    const NameStats none;
    const NameStats& you = human != stats.end() ? *human : none;
    LblMatches->setText(
        tr("あなたの対戦成績 : %1 勝 %2 敗").arg(you.MatchesWon).arg(you.MatchesLost));
    PictMoney->SetStats(stats);
}

bool FrmRecord::ExportCsv(const QString& path) {
    const RecordStore record = LastingRecord();
    std::vector<GameEntry> games = record.LatestGames(static_cast<int>(KeptGames));
    std::reverse(games.begin(), games.end());
    const QString gamesPath = GamesCsvPath(path);
    for (const auto& [where, csv] : {std::pair{path, BetRowsCsv(record.BetRows())},
                                     std::pair{gamesPath, GameRowsCsv(games)}}) {
        QFile file(where);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(csv.data(), static_cast<qint64>(csv.size())) !=
                static_cast<qint64>(csv.size()) ||
            !file.flush()) {
            boxes_.Show(tr("CSV ファイルに書き出せませんでした。\n%1").arg(where).toStdString(),
                        tr("対戦記録").toStdString(), MessageButtons::Ok, MessageIcon::Error);
            return false;
        }
    }
    boxes_.Show(tr("CSV ファイルに書き出しました。\n賭け : %1\nゲームと手札 : %2")
                    .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(gamesPath))
                    .toStdString(),
                tr("対戦記録").toStdString(), MessageButtons::Ok, MessageIcon::Information);
    return true;
}

void FrmRecord::CmdExport_Click() {
    const QString path = QFileDialog::getSaveFileName(this, tr("CSV に書き出す"),
                                                      QStringLiteral("kestrins-record.csv"),
                                                      tr("CSV ファイル (*.csv)"));
    if (!path.isEmpty()) {
        ExportCsv(path);
    }
}

void FrmRecord::ShowGames() {
    const auto& games = recorder_.Games();
    // A newly stored game changes the lasting record too.
    if (!games.empty() && games.back().Id != 0 && games.back().Id != shownGameId_) {
        shownGameId_ = games.back().Id;
        ShowStats();
    }
    if (games.empty()) {
        TxtGames->setHtml(tr("<p>まだゲームをしていません。</p>"));
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
