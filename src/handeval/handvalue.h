#ifndef MARROWICK_HANDEVAL_HANDVALUE_H
#define MARROWICK_HANDEVAL_HANDVALUE_H

#include "evalhand.h"
#include "rankmask.h"

namespace Marrowick {
namespace HandEvaluation {

/**
 * The packed value: the category in the top byte, then the rank of each card
 * in reading order in a 4-bit field, card 0 highest:
 *
 *   bit  31    24 23  20 19  16 15  12 11   8 7    4 3    0
 *        |  type  | card 0| card 1| card 2| card 3| card 4|  0   |
 *
 * so value = type * 2^24 + rank0 * 2^20 + rank1 * 2^16 + ... + rank4 * 2^4.
 * A rank below 1 (a byte that is no real card) is sign-extended and so spills
 * over the fields above it; unsigned arithmetic keeps that defined.
 *
 * For a plain pool the value is all there is to know of the best hand: its
 * category and the rank at each position (HandRanks).
 */
inline int packedValue(EvalHand::handType type, const int (&ranks)[handSize])
{
    uint value = uint(type) << 24;
    for (int position = 0; position < handSize; ++position)
        value |= uint(ranks[position]) << (20 - 4 * position);
    return int(value);
}

/// The field of packedValue for @p rank at @p position.
constexpr int rankField(int position, int rank)
{
    return rank << (20 - 4 * position); // rank * 16^(5 - position)
}

inline int typeField(EvalHand::handType type)
{
    return int(type) << 24; // type * 2^24
}

inline EvalHand::handType typeOf(int value)
{
    return EvalHand::handType(value >> 24);
}

/// The rank at @p position of a hand of cards ranked 0 and above, from its value.
inline int rankAt(int value, int position)
{
    Q_ASSERT(position >= 0 && position < handSize);
    return (value >> (20 - 4 * position)) & 15; // (value / 16^(5 - position)) % 16
}

/// A value of cards ranked 0 and above taken apart: the category and the ranks in reading order.
struct HandRanks
{
    explicit HandRanks(int value)
        : type(typeOf(value))
    {
        Q_ASSERT(value >= 0);
        for (int position = 0; position < handSize; ++position)
            ranks[position] = rankAt(value, position);
    }

    bool isFlush() const
    {
        return type == EvalHand::Flush || type == EvalHand::StraightFlush || type == EvalHand::RoyalFlush;
    }

    EvalHand::handType type;
    int ranks[handSize];
};

/// The value of the straight or straight flush whose lowest rank is @p lowest (1: the ace).
inline int straightValue(EvalHand::handType type, int lowest)
{
    Q_ASSERT(lowest >= 1 && lowest + 4 <= highestRank);
    // From the top card down; the ace of the five-high straight (rank 1 here)
    // reads 14 and stands last, where the straight test moves it.
    int ranks[handSize];
    for (int i = 0; i < handSize; ++i) {
        const int rank = lowest + 4 - i;
        ranks[i] = rank == 1 ? highestRank : rank;
    }
    return packedValue(type, ranks);
}

/**
 * Position in reading order of a category's first kicker; 5 for none. The
 * kickers are the last cards: the odd card of four of a kind and of two
 * pairs, the two odd cards of three of a kind, the three of a pair, all but
 * the top card of a high-card hand.
 */
inline int firstKicker(EvalHand::handType type)
{
    Q_ASSERT(type >= EvalHand::HighCard && type <= EvalHand::RoyalFlush);
    static const int positions[] = {1, 2, 4, 3, 5, 5, 5, 4, 5, 5};
    return positions[type];
}

// Up to eight card codes packed in one word, the first in the low byte:
// kept in registers, where an array of bytes would go through memory.
using PackedCodes = quint64;

inline char codeAt(PackedCodes codes, int i)
{
    Q_ASSERT(i >= 0 && i < 8);
    return char(codes >> (8 * i)); // byte i
}

/// What Evaluate reports.
struct BestHand
{
    EvalHand::handType type;
    int value;
    PackedCodes cards;
    PackedCodes kickers;
    int kickerCount;
};

} // namespace HandEvaluation
} // namespace Marrowick

#endif
