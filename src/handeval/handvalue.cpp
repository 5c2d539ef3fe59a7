#include "evalhand.h"

#include <QtCore/QString>

namespace Marrowick {

int EvalHand::SetHandValue() const
{
    // Category in the top byte, then the five ranks in 4-bit fields, card 0
    // highest. A rank below 1 (a byte that is no real card) is sign-extended
    // and so spills over the fields above it.
    int value = ApplyMask(0, current.type, 24);
    for (int position = 0; position < 5; ++position)
        value = ApplyMask(value, current.cards[position].rank, 20 - 4 * position);
    return value;
}

int EvalHand::ApplyMask(int mask, int value, int shift)
{
    // Unsigned, so that shifting a negative rank is defined; the result keeps the bits.
    return int(uint(mask) | (uint(value) << (uint(shift) % 32u)));
}

QString EvalHand::typeName(handType type)
{
    switch (type) {
    case RoyalFlush:
        return QStringLiteral("Royal flush");
    case StraightFlush:
        return QStringLiteral("Straight flush");
    case FourOfAKind:
        return QStringLiteral("Four of a kind");
    case FullHouse:
        return QStringLiteral("Full house");
    case Flush:
        return QStringLiteral("Flush");
    case Straight:
        return QStringLiteral("Straight");
    case ThreeOfAKind:
        return QStringLiteral("Three of a kind");
    case TwoPair:
        return QStringLiteral("Two pair");
    case Pair:
        return QStringLiteral("Pair");
    case HighCard:
        return QStringLiteral("High card");
    }
    return QString();
}

} // namespace Marrowick
