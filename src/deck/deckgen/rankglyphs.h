#ifndef MARROWICK_DECK_RANKGLYPHS_H
#define MARROWICK_DECK_RANKGLYPHS_H

#include <QtCore/QString>

// Rank indices drawn as strokes rather than as text, so that the deck looks
// the same whatever fonts a machine has. Each glyph sits in a box
// DeckGeometry::glyphHeight units high, with its top left corner at (0, 0).
struct Glyph
{
    QString pathData; ///< stroke it, do not fill it
    double width = 0;
};

namespace RankGlyphs {

// The index of a card value: 0 is the ace, 9 the ten, 12 the king.
Glyph forValue(int value);
// The capital letters of "JOKER".
Glyph forLetter(char letter);

// A stroke width that keeps the glyphs legible at the size of a card corner.
constexpr double strokeWidth = 3.6;

} // namespace RankGlyphs

#endif
