// Writes the card deck picture document that the examples draw their cards
// from: one named element per card, as Card::elementId() names them.
//
//     marrowick-deckgen OUTPUT.svg

#include "cardback.h"
#include "cardface.h"
#include "courtfigure.h"
#include "deckgeometry.h"
#include "jokerface.h"
#include "suitsymbols.h"
#include "svgwriter.h"

#include <marrowick/card.h>

#include <QtCore/QFile>
#include <QtCore/QSaveFile>

#include <cstdio>

using Marrowick::Card;
using namespace DeckGeometry;

namespace {

constexpr int columns = 13;
constexpr int rows = 5;

QString cellTransform(int column, int row)
{
    return translate(gap + column * (cardWidth + gap), gap + row * (cardHeight + gap));
}

void writeSuitCard(SvgWriter &svg, Card card, int column, int row)
{
    svg.beginGroup(card.elementId(), cellTransform(column, row));
    CardFace::writeBlank(svg);
    if (card.value() >= 10)
        CourtFigure::write(svg, card);
    else
        CardFace::writePips(svg, card);
    CardFace::writeCorners(svg, card);
    svg.endGroup();
}

void writeDeck(SvgWriter &svg)
{
    svg.beginDocument(gap + columns * (cardWidth + gap), gap + rows * (cardHeight + gap));
    svg.comment(QStringLiteral("Marrowick card deck, written by marrowick-deckgen. Each card is the group whose "
                               "id is its element name: Ace_Spades, _x32__Clubs (two of clubs), _x31_0_Hearts "
                               "(ten of hearts), King_Diamonds, Card_Back, Joker."));
    svg.beginDefinitions();
    for (Card::Suit suit : SuitSymbols::suits)
        svg.path(SuitSymbols::pathData(suit), SvgStyle::filled(SuitSymbols::colour(suit)), SuitSymbols::symbolId(suit));
    svg.endDefinitions();

    int row = 0;
    for (Card::Suit suit : SuitSymbols::suits) {
        for (int value = 0; value < columns; ++value)
            writeSuitCard(svg, Card(suit, char(value)), value, row);
        ++row;
    }

    svg.beginGroup(Card(Card::Back, 0).elementId(), cellTransform(0, row));
    CardBack::write(svg);
    svg.endGroup();
    svg.beginGroup(Card(Card::Joker, 0).elementId(), cellTransform(1, row));
    JokerFace::write(svg);
    svg.endGroup();
    svg.endDocument();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.svg\n", argv[0]);
        return 2;
    }
    QSaveFile file(QFile::decodeName(argv[1]));
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[1], qPrintable(file.errorString()));
        return 1;
    }
    SvgWriter svg(&file);
    writeDeck(svg);
    if (!file.commit()) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
