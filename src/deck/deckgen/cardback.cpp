#include "cardback.h"

#include "cardface.h"
#include "deckgeometry.h"
#include "palette.h"
#include "suitsymbols.h"
#include "svgwriter.h"

#include <algorithm>

using Marrowick::Card;
using namespace DeckGeometry;

namespace CardBack {

namespace {

const QString cream = QStringLiteral("#f4ecd8");

QString segment(double x1, double y1, double x2, double y2)
{
    return QStringLiteral("M ") + svgNumber(x1) + QLatin1Char(',') + svgNumber(y1) + QStringLiteral(" L ") +
        svgNumber(x2) + QLatin1Char(',') + svgNumber(y2) + QLatin1Char(' ');
}

// Lines at 45 degrees both ways, cut to the area: the document format has no clipping.
QString lattice(const QRectF &area, double spacing)
{
    QString data;
    for (double c = area.top() - area.right(); c < area.bottom() - area.left(); c += spacing) {
        // Falling lines y = x + c.
        const double from = std::max(area.left(), area.top() - c);
        const double to = std::min(area.right(), area.bottom() - c);
        if (from < to)
            data += segment(from, from + c, to, to + c);
    }
    for (double c = area.top() + area.left(); c < area.bottom() + area.right(); c += spacing) {
        // Rising lines y = c - x.
        const double from = std::max(area.left(), c - area.bottom());
        const double to = std::min(area.right(), c - area.top());
        if (from < to)
            data += segment(from, c - from, to, c - to);
    }
    return data.trimmed();
}

void writeMedallion(SvgWriter &svg)
{
    SvgStyle medallion = SvgStyle::filled(Palette::backBlue());
    medallion.stroke = Palette::gold();
    medallion.strokeWidth = 3;
    svg.ellipse(QPointF(centreX, centreY), 52, 64, medallion);
    svg.ellipse(QPointF(centreX, centreY), 45, 57, SvgStyle::outlined(Palette::gold(), 1));

    struct Placed
    {
        Card::Suit suit;
        double x;
        double y;
    };
    const Placed suits[] = {{Card::Spades, centreX, centreY - 30},
                            {Card::Hearts, centreX, centreY + 30},
                            {Card::Clubs, centreX - 24, centreY},
                            {Card::Diamonds, centreX + 24, centreY}};
    for (const Placed &placed : suits) {
        svg.beginGroup(QString(), translateScale(placed.x, placed.y, 0.26));
        svg.path(SuitSymbols::pathData(placed.suit), SvgStyle::filled(cream));
        svg.endGroup();
    }
}

} // namespace

void write(SvgWriter &svg)
{
    CardFace::writeBlank(svg);
    svg.rect(QRectF(10, 10, cardWidth - 20, cardHeight - 20), 8, SvgStyle::filled(Palette::backBlue()));

    SvgStyle lines = SvgStyle::outlined(cream, 1.4);
    lines.opacity = 0.3;
    svg.path(lattice(QRectF(16, 16, cardWidth - 32, cardHeight - 32), 14), lines);
    svg.rect(QRectF(16, 16, cardWidth - 32, cardHeight - 32), 6, SvgStyle::outlined(Palette::gold(), 2));
    writeMedallion(svg);
}

} // namespace CardBack
