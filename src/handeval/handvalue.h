#ifndef MARROWICK_HANDEVAL_HANDVALUE_H
#define MARROWICK_HANDEVAL_HANDVALUE_H

#include "evalhand.h"
#include "rankmask.h"

namespace Marrowick {
namespace HandEvaluation {

/**
 * The packed value: the category in the top byte, then each rank in a 4-bit
 * field, card 0 highest. A rank below 1 (a byte that is no real card) is
 * sign-extended and so spills over the fields above it; unsigned arithmetic
 * keeps that defined.
 *
 * For a plain pool the value is all there is to know of the best hand: its
 * category (typeOf) and the rank at each position in reading order (rankAt).
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
    return rank << (20 - 4 * position);
}

inline int typeField(EvalHand::handType type)
{
    return int(type) << 24;
}

inline EvalHand::handType typeOf(int value)
{
    return EvalHand::handType(value >> 24);
}

/// The rank at @p position of a hand of real cards, from its value.
inline int rankAt(int value, int position)
{
    return (value >> (20 - 4 * position)) & 15;
}

/// The value of the straight or straight flush whose lowest rank is @p lowest (1: the ace).
inline int straightValue(EvalHand::handType type, int lowest)
{
    // From the top card down; the ace of the five-high straight (rank 1 here)
    // reads 14 and stands last, where IsStraight moves it.
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
    static const int positions[] = {1, 2, 4, 3, 5, 5, 5, 4, 5, 5};
    return positions[type];
}

// Up to eight card codes packed in one word, the first in the low byte:
// kept in registers, where an array of bytes would go through memory.
using PackedCodes = quint64;

inline char codeAt(PackedCodes codes, int i)
{
    return char(codes >> (8 * i));
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
