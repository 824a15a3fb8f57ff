// The record window's texts: one game as rich text, its bluff line, and the words they share.
#pragma once

#include <QString>
#include <QStringList>

#include "record/game_entry.h"

namespace kestrins {

// `number` counts the games of this run from 1. Bluffs are shown only once the game is over.
QString GameText(const GameEntry& game, int number);

// One line: which computer seats bluffed, and whether each bluff paid (the bluffer won).
QString BluffLine(const GameEntry& game);

// The human's keep against the best one, once judged; empty before that.
QString ExchangeLine(const GameEntry& game);

// One line per bet decision of the human's, against the best option at that turn, once judged;
// none before that.
QStringList BetLines(const GameEntry& game);

// A decision as the coach and the bet lines name it: "コール", "ドロップ", "レイズ (13 $ に)".
QString DecisionText(int32_t action, int32_t bet);

// An amount of money with its sign and one decimal: "+3.2 $", "-1.0 $", "0.0 $".
QString SignedDollars(double dollars);

// "コール", "レイズ" or "ドロップ" with the amount, as the record lists a bet. A drop loses its
// stake, except in a drawn game (`drawn`), where every bet comes back.
QString BetText(const BetRecord& bet, bool drawn);

QString CardText(const Card& card);

}  // namespace kestrins
