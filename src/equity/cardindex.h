#ifndef MARROWICK_EQUITY_CARDINDEX_H
#define MARROWICK_EQUITY_CARDINDEX_H

#include <QtCore/qalgorithms.h>
#include <QtCore/qglobal.h>

namespace Marrowick {
namespace Equity {

// Inside the calculator a card is a number 0 to 51: rank * 4 + suit, with
// rank 0 the two up to 12 the ace, and the suits in the library's order
// (clubs, diamonds, hearts, spades). Sets of cards are 64-bit masks.
using CardSet = quint64;
const int deckSize = 52;
const int rankCount = 13;
const int suitCount = 4;
const int boardSize = 5;

constexpr int rankOf(int card)
{
    return card >> 2;
}

constexpr int suitOf(int card)
{
    return card & 3;
}

constexpr CardSet cardBit(int card)
{
    return CardSet(1) << card;
}

/// The calculator's number of a card code (Card::toEncodedChar), -1 for a byte that is no card of the four suits.
inline int cardFromCode(char code)
{
    const int c = static_cast<signed char>(code);
    if (c < 1 || c > deckSize)
        return -1;
    const int value = (c - 1) / 4; // 0 is the ace
    const int suit = (c - 1) % 4;
    const int rank = value == 0 ? rankCount - 1 : value - 1;
    return rank * 4 + suit;
}

/// The card code of a calculator card number.
inline char codeFromCard(int card)
{
    const int rank = rankOf(card);
    const int value = rank == rankCount - 1 ? 0 : rank + 1;
    return char(4 * value + suitOf(card) + 1);
}

} // namespace Equity
} // namespace Marrowick

#endif
