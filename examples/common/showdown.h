#ifndef MARROWICK_EXAMPLES_SHOWDOWN_H
#define MARROWICK_EXAMPLES_SHOWDOWN_H

#include <marrowick/evalhand.h>

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QVector>

class Deal;

// A player's best hand at the showdown, as the evaluator reports it.
struct PlayerHand
{
    int value = 0; ///< orders hands: the higher wins
    Marrowick::EvalHand::handType type = Marrowick::EvalHand::HighCard;
    QByteArray cards; ///< the five cards, in the order the value reads them
    QByteArray kickers;
};

struct ShowdownResult
{
    QVector<PlayerHand> hands; ///< one per player
    QVector<int> winners; ///< the players with the best hand; more than one split the pot
};

// How both programs name a player to people: "Player 1" for @p player 0.
QString playerName(int player);

// "Winner: Player 4 (Flush)", or "Split pot: Player 1, Player 3 (Straight)";
// @p result must have a winner.
QString winnerLine(const ShowdownResult &result);

// Evaluates every player's best hand from their hole cards and the complete
// board, under the rules of the deal's game.
ShowdownResult evaluateShowdown(const Deal &deal);

#endif
