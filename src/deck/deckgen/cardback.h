#ifndef MARROWICK_DECK_CARDBACK_H
#define MARROWICK_DECK_CARDBACK_H

class SvgWriter;

namespace CardBack {

// A blue back with a diagonal lattice, a gold border and the four suits in a medallion.
void write(SvgWriter &svg);

} // namespace CardBack

#endif
