#include "suitsymbols.h"

using Marrowick::Card;

namespace SuitSymbols {

namespace {

// Three round leaves and a flared stem.
const char club[] = "M -22,-24 A 22,22 0 1,1 22,-24 A 22,22 0 1,1 -22,-24 Z"
                    " M -47,12 A 22,22 0 1,1 -3,12 A 22,22 0 1,1 -47,12 Z"
                    " M 3,12 A 22,22 0 1,1 47,12 A 22,22 0 1,1 3,12 Z"
                    " M -5,-8 L 5,-8 L 5,22 C 6,34 12,42 22,48 L -22,48 C -12,42 -6,34 -5,22 Z";

// A lozenge with softly bowed sides.
const char diamond[] = "M 0,-50 Q 16,-24 38,0 Q 16,24 0,50 Q -16,24 -38,0 Q -16,-24 0,-50 Z";

const char heart[] = "M 0,46 C -22,26 -49,6 -49,-19 C -49,-38 -36,-48 -24,-48 C -12,-48 -4,-40 0,-29"
                     " C 4,-40 12,-48 24,-48 C 36,-48 49,-38 49,-19 C 49,6 22,26 0,46 Z";

// An upturned heart on the same flared stem as the club.
const char spade[] = "M 0,-48 C -10,-32 -49,-12 -49,12 C -49,28 -38,36 -26,36 C -16,36 -9,31 -5,25"
                     " C -6,36 -11,43 -22,48 L 22,48 C 11,43 6,36 5,25 C 9,31 16,36 26,36"
                     " C 38,36 49,28 49,12 C 49,-12 10,-32 0,-48 Z";

} // namespace

QString pathData(Card::Suit suit)
{
    switch (suit) {
    case Card::Clubs:
        return QString::fromLatin1(club);
    case Card::Diamonds:
        return QString::fromLatin1(diamond);
    case Card::Hearts:
        return QString::fromLatin1(heart);
    default:
        return QString::fromLatin1(spade);
    }
}

bool isRed(Card::Suit suit)
{
    return suit == Card::Diamonds || suit == Card::Hearts;
}

QString colour(Card::Suit suit)
{
    return isRed(suit) ? QStringLiteral("#c8102e") : QStringLiteral("#1a1a24");
}

QString name(Card::Suit suit)
{
    switch (suit) {
    case Card::Clubs:
        return QStringLiteral("Clubs");
    case Card::Diamonds:
        return QStringLiteral("Diamonds");
    case Card::Hearts:
        return QStringLiteral("Hearts");
    default:
        return QStringLiteral("Spades");
    }
}

QString symbolId(Card::Suit suit)
{
    return QStringLiteral("suit_") + name(suit);
}

} // namespace SuitSymbols
