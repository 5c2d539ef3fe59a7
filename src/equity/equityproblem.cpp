#include "equityproblem.h"

#include "cards/card.h"

#include <algorithm>

namespace Marrowick {
namespace Equity {

namespace {

QString cardName(char code)
{
    return Card::fromEncodedChar(code).toString();
}

// Reads the codes of @p bytes into @p cards, marking them in @p used.
QString readCards(const QByteArray &bytes, const QString &owner, CardSet *used, std::vector<int> *cards)
{
    for (char code : bytes) {
        const int card = cardFromCode(code);
        if (card < 0)
            return QStringLiteral("%1: %2 is no card code").arg(owner).arg(int(static_cast<signed char>(code)));
        if (*used & cardBit(card))
            return QStringLiteral("the card %1 is given twice").arg(cardName(code));
        *used |= cardBit(card);
        cards->push_back(card);
    }
    return QString();
}

} // namespace

QString makeProblem(const EquityInput &input, EquityProblem *problem)
{
    *problem = EquityProblem();
    if (input.holes.isEmpty())
        return QStringLiteral("no players");
    if (input.holes.size() > maxPlayers)
        return QStringLiteral("%1 players; at most %2").arg(input.holes.size()).arg(maxPlayers);
    if (input.holeCount < 1 || input.holeCount > maxHoleCards)
        return QStringLiteral("%1 hole cards a player; from 1 to %2").arg(input.holeCount).arg(maxHoleCards);
    // A hand takes from the hole cards at least 0 and at most all of them or five.
    const int low = std::max(input.minFromHole, 0);
    const int high = std::min(std::min(input.maxFromHole, input.holeCount), boardSize);
    if (low > high)
        return QStringLiteral("no hand fits the window of %1 to %2 of %3 hole cards")
            .arg(input.minFromHole)
            .arg(input.maxFromHole)
            .arg(input.holeCount);
    problem->holeCount = input.holeCount;
    problem->minFromHole = low;
    problem->maxFromHole = high;

    CardSet used = 0;
    for (int player = 0; player < input.holes.size(); ++player) {
        const QByteArray &hole = input.holes.at(player);
        if (hole.size() != input.holeCount)
            return QStringLiteral("player %1 has %2 hole cards; the game deals %3")
                .arg(player + 1)
                .arg(hole.size())
                .arg(input.holeCount);
        problem->holes.emplace_back();
        const QString error =
            readCards(hole, QStringLiteral("player %1").arg(player + 1), &used, &problem->holes.back());
        if (!error.isEmpty())
            return error;
    }
    if (input.board.size() > boardSize)
        return QStringLiteral("the board has %1 cards; at most %2").arg(input.board.size()).arg(boardSize);
    QString error = readCards(input.board, QStringLiteral("board"), &used, &problem->board);
    if (error.isEmpty()) {
        std::vector<int> dead;
        error = readCards(input.dead, QStringLiteral("dead cards"), &used, &dead);
    }
    if (!error.isEmpty())
        return error;
    for (int card = 0; card < deckSize; ++card) {
        if (!(used & cardBit(card)))
            problem->deck.push_back(card);
    }
    if (int(problem->deck.size()) < problem->missingBoardCards())
        return QStringLiteral("too many cards: %1 left for %2 board cards")
            .arg(problem->deck.size())
            .arg(problem->missingBoardCards());
    return QString();
}

} // namespace Equity
} // namespace Marrowick
