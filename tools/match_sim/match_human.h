// What the match runner asks of the player at its table, whoever it is.
#pragma once

namespace kestrins {

class MatchHuman {
public:
    virtual ~MatchHuman() = default;
    // Clicks "最初から" or "続きから" on the title screen.
    virtual void ChooseTitle() = 0;
    // Between two games.
    virtual void BetweenGames() = 0;
    // Marks the cards to exchange in the hand just dealt.
    virtual void MarkCards() = 0;
    // The game just played is over and settled: the human's money changed by `net`.
    virtual void GameOver(long long /*net*/) {}

    virtual int CloseRequests() const { return 0; }
    virtual long long TypedAhead() const { return 0; }
    virtual int FailedCloseRequests() const { return 0; }
};

}  // namespace kestrins
