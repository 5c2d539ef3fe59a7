#ifndef MARROWICK_DECK_SUITSYMBOLS_H
#define MARROWICK_DECK_SUITSYMBOLS_H

#include <marrowick/card.h>

#include <QtCore/QString>

// The four suit symbols as SVG path data, each centred on (0, 0) and filling a
// square of DeckGeometry::suitSymbolSize units, with the colours of the suits.
namespace SuitSymbols {

constexpr Marrowick::Card::Suit suits[] = {Marrowick::Card::Clubs, Marrowick::Card::Diamonds, Marrowick::Card::Hearts,
                                           Marrowick::Card::Spades};

QString pathData(Marrowick::Card::Suit suit);
QString colour(Marrowick::Card::Suit suit);
bool isRed(Marrowick::Card::Suit suit);
// "Clubs" ... "Spades": part of the names of the document's shared shapes.
QString name(Marrowick::Card::Suit suit);
// The id of the filled symbol in the document's definitions.
QString symbolId(Marrowick::Card::Suit suit);

} // namespace SuitSymbols

#endif
