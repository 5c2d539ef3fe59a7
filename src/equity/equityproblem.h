#ifndef MARROWICK_EQUITY_EQUITYPROBLEM_H
#define MARROWICK_EQUITY_EQUITYPROBLEM_H

#include "cardindex.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QString>

#include <vector>

namespace Marrowick {
namespace Equity {

// The limits that keep every table small and every count in range.
const int maxPlayers = 23;
const int maxHoleCards = 10;

/// The hole cards and board of a calculation, checked and in the calculator's card numbers.
struct EquityProblem
{
    std::vector<std::vector<int>> holes; ///< each player's hole cards
    std::vector<int> board; ///< the known board cards
    std::vector<int> deck; ///< the cards a board may still take, ascending
    int holeCount = 2;
    int minFromHole = 0; ///< the window, narrowed to what a hand can use
    int maxFromHole = 2;

    int missingBoardCards() const { return boardSize - int(board.size()); }
    int playerCount() const { return int(holes.size()); }
};

/// The input of a calculation as the caller gave it.
struct EquityInput
{
    QList<QByteArray> holes;
    QByteArray board;
    QByteArray dead;
    int holeCount = 2;
    int minFromHole = 0;
    int maxFromHole = 2;
};

/// Checks @p input and turns it into @p problem; returns why not in one line, or an empty string.
QString makeProblem(const EquityInput &input, EquityProblem *problem);

} // namespace Equity
} // namespace Marrowick

#endif
