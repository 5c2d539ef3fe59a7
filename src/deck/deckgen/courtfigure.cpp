#include "courtfigure.h"

#include "deckgeometry.h"
#include "palette.h"
#include "suitsymbols.h"
#include "svgwriter.h"

using Marrowick::Card;
using namespace DeckGeometry;

namespace CourtFigure {

namespace {

// Card values of the court cards; the jack, 10, is what is left.
enum Rank { Queen = 11, King = 12 };

const QRectF frame(38, 34, cardWidth - 76, cardHeight - 68);

SvgStyle shape(const QString &fill)
{
    SvgStyle style = SvgStyle::filled(fill);
    style.stroke = Palette::outline();
    style.strokeWidth = 1.2;
    return style;
}

QString robeColour(Card card)
{
    const bool red = SuitSymbols::isRed(card.suit());
    switch (card.value()) {
    case King:
        return red ? QStringLiteral("#c8102e") : QStringLiteral("#274b8f");
    case Queen:
        return red ? QStringLiteral("#9c1f4f") : QStringLiteral("#4a3590");
    default:
        return red ? QStringLiteral("#d9622b") : QStringLiteral("#23775a");
    }
}

void writeHair(SvgWriter &svg, int rank)
{
    if (rank == Queen) {
        svg.path(QStringLiteral("M 82,76 C 76,96 80,110 70,124 L 130,124 C 120,110 124,96 118,76 Z"),
                 shape(QStringLiteral("#7a4a26")));
    } else if (rank == King) {
        svg.path(QStringLiteral("M 83,74 C 80,88 82,96 80,104 L 120,104 C 118,96 120,88 117,74 Z"),
                 shape(QStringLiteral("#e4e1da")));
    } else {
        svg.path(QStringLiteral("M 84,74 C 82,84 83,92 82,98 L 118,98 C 117,92 118,84 116,74 Z"),
                 shape(QStringLiteral("#b5762e")));
    }
}

void writeFace(SvgWriter &svg, int rank)
{
    svg.rect(QRectF(94, 94, 12, 12), 0, shape(Palette::skin()));
    svg.circle(QPointF(100, 82), 16, shape(Palette::skin()));
    svg.circle(QPointF(94, 81), 1.7, SvgStyle::filled(Palette::outline()));
    svg.circle(QPointF(106, 81), 1.7, SvgStyle::filled(Palette::outline()));
    if (rank == King) {
        svg.path(QStringLiteral("M 86,86 C 87,99 93,106 100,106 C 107,106 113,99 114,86"
                                " C 110,92 106,90 100,90 C 94,90 90,92 86,86 Z"),
                 shape(QStringLiteral("#e4e1da")));
        svg.path(QStringLiteral("M 93,91 Q 100,88 107,91"), SvgStyle::outlined(Palette::outline(), 1.2));
    } else {
        svg.path(QStringLiteral("M 95,90 Q 100,93 105,90"), SvgStyle::outlined(Palette::outline(), 1.2));
    }
}

void writeHeadwear(SvgWriter &svg, int rank, const QString &robe)
{
    if (rank == King) {
        svg.path(QStringLiteral("M 82,71 L 80,46 L 89,56 L 94,42 L 100,54 L 106,42 L 111,56 L 120,46 L 118,71 Z"),
                 shape(Palette::gold()));
        svg.rect(QRectF(82, 64, 36, 7), 0, shape(Palette::gold()));
        for (double x : {80.0, 94.0, 106.0, 120.0})
            svg.circle(QPointF(x, x == 94.0 || x == 106.0 ? 42 : 46), 2.4, shape(QStringLiteral("#ffffff")));
        svg.circle(QPointF(100, 67.5), 2.2, shape(robe));
    } else if (rank == Queen) {
        svg.path(QStringLiteral("M 85,70 L 84,55 L 92,61 L 100,48 L 108,61 L 116,55 L 115,70 Z"),
                 shape(Palette::gold()));
        svg.circle(QPointF(100, 48), 2.6, shape(QStringLiteral("#ffffff")));
        svg.circle(QPointF(100, 64), 2.6, shape(robe));
    } else {
        svg.path(QStringLiteral("M 117,58 C 127,46 134,40 142,36 C 137,46 130,54 121,64 Z"),
                 shape(QStringLiteral("#ffffff")));
        svg.path(QStringLiteral("M 80,73 C 78,58 89,50 101,50 C 113,50 124,58 122,73 Z"), shape(robe));
        svg.rect(QRectF(79, 68, 44, 6), 3, shape(Palette::gold()));
    }
}

void writeRobe(SvgWriter &svg, int rank, const QString &robe)
{
    svg.path(QStringLiteral("M 42,140 L 42,124 C 42,114 56,107 74,106 L 126,106 C 144,107 158,114 158,124 L 158,140 Z"),
             shape(robe));
    // Ermine for the queen, a gold collar for the others.
    const QString trim = rank == Queen ? QStringLiteral("#ffffff") : Palette::gold();
    svg.path(QStringLiteral("M 82,106 L 100,128 L 118,106 C 112,104 88,104 82,106 Z"), shape(trim));
    svg.rect(QRectF(96, 128, 8, 12), 0, shape(trim));
}

// What the figure holds: a sceptre for the king, a flower for the queen, a halberd for the jack.
void writeAttribute(SvgWriter &svg, Card card)
{
    const int rank = card.value();
    if (rank == King) {
        svg.path(QStringLiteral("M 134,138 L 140,80"), SvgStyle::outlined(Palette::gold(), 4));
        svg.use(SuitSymbols::symbolId(card.suit()), translateScale(140.5, 72, 0.18));
    } else if (rank == Queen) {
        svg.path(QStringLiteral("M 64,138 C 62,120 64,108 68,98"), SvgStyle::outlined(QStringLiteral("#2f6b2f"), 2.5));
        for (int petal = 0; petal < 5; ++petal) {
            svg.beginGroup(QString(), QStringLiteral("rotate(") + svgNumber(petal * 72) + QStringLiteral(",68,98)"));
            svg.ellipse(QPointF(68, 92), 3.5, 6.5, shape(QStringLiteral("#f2c6d4")));
            svg.endGroup();
        }
        svg.circle(QPointF(68, 98), 3.2, shape(Palette::gold()));
    } else {
        svg.path(QStringLiteral("M 62,140 L 62,70"), SvgStyle::outlined(QStringLiteral("#6b4a2b"), 3));
        svg.path(QStringLiteral("M 62,52 L 67,68 L 62,74 L 57,68 Z M 62,76 C 70,72 74,78 74,86 C 70,82 66,82 62,84 Z"),
                 shape(QStringLiteral("#c9ced6")));
    }
}

void writeHalfFigure(SvgWriter &svg, Card card, const QString &id)
{
    const int rank = card.value();
    const QString robe = robeColour(card);
    svg.beginGroup(id);
    writeHair(svg, rank);
    writeRobe(svg, rank, robe);
    writeFace(svg, rank);
    writeHeadwear(svg, rank, robe);
    writeAttribute(svg, card);
    svg.use(SuitSymbols::symbolId(card.suit()), translateScale(frame.left() + 14, frame.top() + 16, 0.2));
    svg.endGroup();
}

} // namespace

void write(SvgWriter &svg, Card card)
{
    const QString colour = SuitSymbols::colour(card.suit());
    SvgStyle framed = SvgStyle::filled(Palette::courtBackground());
    framed.stroke = colour;
    framed.strokeWidth = 1.5;
    svg.rect(frame, 3, framed);

    const QString half = QStringLiteral("figure_") + card.elementId();
    writeHalfFigure(svg, card, half);
    svg.use(half, turnAround(centreX, centreY));
    svg.path(QStringLiteral("M ") + svgNumber(frame.left()) + QStringLiteral(",140 L ") + svgNumber(frame.right()) +
                 QStringLiteral(",140"),
             SvgStyle::outlined(colour, 1.5));
}

} // namespace CourtFigure
