#ifndef MARROWICK_DECK_JOKERFACE_H
#define MARROWICK_DECK_JOKERFACE_H

class SvgWriter;

namespace JokerFace {

// "JOKER" down two corners and a jester in a frame.
void write(SvgWriter &svg);

} // namespace JokerFace

#endif
