#ifndef MARROWICK_DECK_DECKGEOMETRY_H
#define MARROWICK_DECK_DECKGEOMETRY_H

// Every card is drawn in its own frame of cardWidth × cardHeight units with
// the origin at its top left corner; the document places the frames in a grid.
namespace DeckGeometry {

constexpr double cardWidth = 200;
constexpr double cardHeight = 280;
constexpr double cornerRadius = 12;
constexpr double gap = 12;

constexpr double centreX = cardWidth / 2;
constexpr double centreY = cardHeight / 2;

// Suit symbols and glyphs are drawn in boxes of their own; these are the box sizes.
constexpr double suitSymbolSize = 100;
constexpr double glyphHeight = 28;

} // namespace DeckGeometry

#endif
