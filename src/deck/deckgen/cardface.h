#ifndef MARROWICK_DECK_CARDFACE_H
#define MARROWICK_DECK_CARDFACE_H

#include <marrowick/card.h>

class SvgWriter;

namespace CardFace {

// The blank card that every face and the back are drawn on.
void writeBlank(SvgWriter &svg);
// Rank and suit in the top left corner and, turned around, in the bottom right one.
void writeCorners(SvgWriter &svg, Marrowick::Card card);
// The middle of an ace or a numeral card: one large symbol or the rows of pips.
void writePips(SvgWriter &svg, Marrowick::Card card);

} // namespace CardFace

#endif
