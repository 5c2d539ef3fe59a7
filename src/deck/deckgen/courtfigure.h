#ifndef MARROWICK_DECK_COURTFIGURE_H
#define MARROWICK_DECK_COURTFIGURE_H

#include <marrowick/card.h>

class SvgWriter;

namespace CourtFigure {

// The framed, double-headed figure of a jack, queen or king.
void write(SvgWriter &svg, Marrowick::Card card);

} // namespace CourtFigure

#endif
