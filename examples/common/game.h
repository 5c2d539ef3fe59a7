#ifndef MARROWICK_EXAMPLES_GAME_H
#define MARROWICK_EXAMPLES_GAME_H

#include <QtCore/QString>

// The poker games the examples deal.
enum class Game { Holdem, Omaha };

// What a game asks of a hand at the showdown.
struct GameRules
{
    QString name; ///< for people: "Texas hold'em"
    int holeCards; ///< dealt to each player
    int minFromHand; ///< hole cards a hand must use, at least...
    int maxFromHand; ///< ...and at most; the rest come from the board
};

// Hold'em plays the best five of the seven cards; Omaha exactly two hole cards and three from the board.
GameRules gameRules(Game game);

// Reads "holdem" or "omaha"; false with a message in @p error for anything else.
bool gameFromName(const QString &name, Game *game, QString *error);

#endif
