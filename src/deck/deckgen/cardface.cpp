#include "cardface.h"

#include "deckgeometry.h"
#include "rankglyphs.h"
#include "suitsymbols.h"
#include "svgwriter.h"

#include <QtCore/QVector>

using Marrowick::Card;
using namespace DeckGeometry;

namespace CardFace {

namespace {

constexpr double cornerCentreX = 22;
constexpr double cornerGlyphTop = 13;
constexpr double cornerSuitCentreY = 62;
constexpr double cornerSuitSize = 24;
constexpr double pipSize = 36;

struct Pip
{
    double x;
    double y;
};

// Pip positions in the usual layouts: three columns, and rows from 0 (top) to 6 (bottom).
QVector<Pip> pipLayout(int pips)
{
    const double left = 62, middle = centreX, right = 138;
    const auto row = [](double sevenths) { return 56 + sevenths * 28; };
    QVector<Pip> layout;
    const auto pair = [&](double r) { layout << Pip {left, row(r)} << Pip {right, row(r)}; };
    switch (pips) {
    case 2:
        layout << Pip {middle, row(0)} << Pip {middle, row(6)};
        break;
    case 3:
        layout << Pip {middle, row(0)} << Pip {middle, row(3)} << Pip {middle, row(6)};
        break;
    case 4:
    case 5:
        pair(0);
        pair(6);
        if (pips == 5)
            layout << Pip {middle, row(3)};
        break;
    case 6:
    case 7:
    case 8:
        pair(0);
        pair(3);
        pair(6);
        if (pips >= 7)
            layout << Pip {middle, row(1.5)};
        if (pips == 8)
            layout << Pip {middle, row(4.5)};
        break;
    case 9:
    case 10:
        pair(0);
        pair(2);
        pair(4);
        pair(6);
        if (pips == 9)
            layout << Pip {middle, row(3)};
        else
            layout << Pip {middle, row(1)} << Pip {middle, row(5)};
        break;
    default:
        break;
    }
    return layout;
}

void writeGlyph(SvgWriter &svg, const Glyph &glyph, double centreX, double top, double scale, const QString &colour)
{
    svg.beginGroup(QString(), translateScale(centreX - glyph.width * scale / 2, top, scale));
    svg.path(glyph.pathData, SvgStyle::outlined(colour, RankGlyphs::strokeWidth));
    svg.endGroup();
}

void writeSymbol(SvgWriter &svg, Card::Suit suit, double x, double y, double size, bool upsideDown)
{
    QString transform = translateScale(x, y, size / suitSymbolSize);
    if (upsideDown)
        transform = turnAround(x, y) + QLatin1Char(' ') + transform;
    svg.use(SuitSymbols::symbolId(suit), transform);
}

void writeAce(SvgWriter &svg, Card::Suit suit)
{
    if (suit != Card::Spades) {
        writeSymbol(svg, suit, centreX, centreY, 84, false);
        return;
    }
    // The ace of spades gets the traditional flourish.
    svg.circle(QPointF(centreX, centreY), 72, SvgStyle::outlined(QStringLiteral("#b08a2e"), 2.5));
    svg.circle(QPointF(centreX, centreY), 66, SvgStyle::outlined(QStringLiteral("#b08a2e"), 1));
    writeSymbol(svg, suit, centreX, centreY + 2, 104, false);
}

} // namespace

void writeBlank(SvgWriter &svg)
{
    SvgStyle style = SvgStyle::filled(QStringLiteral("#ffffff"));
    style.stroke = QStringLiteral("#8c8c8c");
    style.strokeWidth = 1.5;
    svg.rect(QRectF(0.75, 0.75, cardWidth - 1.5, cardHeight - 1.5), cornerRadius, style);
}

void writeCorners(SvgWriter &svg, Card card)
{
    const QString colour = SuitSymbols::colour(card.suit());
    for (bool upsideDown : {false, true}) {
        svg.beginGroup(QString(), upsideDown ? turnAround(centreX, centreY) : QString());
        writeGlyph(svg, RankGlyphs::forValue(card.value()), cornerCentreX, cornerGlyphTop, 1, colour);
        writeSymbol(svg, card.suit(), cornerCentreX, cornerSuitCentreY, cornerSuitSize, false);
        svg.endGroup();
    }
}

void writePips(SvgWriter &svg, Card card)
{
    const int value = card.value();
    if (value == 0) {
        writeAce(svg, card.suit());
        return;
    }
    const QVector<Pip> layout = pipLayout(value + 1);
    for (const Pip &pip : layout) {
        // Pips below the middle face the other player, as on any printed deck.
        writeSymbol(svg, card.suit(), pip.x, pip.y, pipSize, pip.y > centreY);
    }
}

} // namespace CardFace
