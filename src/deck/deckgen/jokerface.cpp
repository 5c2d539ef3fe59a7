#include "jokerface.h"

#include "cardface.h"
#include "deckgeometry.h"
#include "palette.h"
#include "rankglyphs.h"
#include "svgwriter.h"

using namespace DeckGeometry;

namespace JokerFace {

namespace {

const QString red = QStringLiteral("#c8102e");
const QString green = QStringLiteral("#23775a");

SvgStyle shape(const QString &fill)
{
    SvgStyle style = SvgStyle::filled(fill);
    style.stroke = Palette::outline();
    style.strokeWidth = 1.2;
    return style;
}

void writeCornerWord(SvgWriter &svg)
{
    const double scale = 0.5;
    double top = 12;
    for (char letter : {'J', 'O', 'K', 'E', 'R'}) {
        const Glyph glyph = RankGlyphs::forLetter(letter);
        svg.beginGroup(QString(), translateScale(21 - glyph.width * scale / 2, top, scale));
        svg.path(glyph.pathData, SvgStyle::outlined(red, RankGlyphs::strokeWidth * 1.2));
        svg.endGroup();
        top += glyphHeight * scale + 4;
    }
}

void writeJester(SvgWriter &svg)
{
    // Motley: one half red, the other green.
    svg.path(QStringLiteral("M 62,244 L 70,198 C 78,192 90,190 100,190 L 100,244 Z"), shape(red));
    svg.path(QStringLiteral("M 138,244 L 130,198 C 122,192 110,190 100,190 L 100,244 Z"), shape(green));
    for (double x = 70; x <= 130; x += 10)
        svg.circle(QPointF(x, 192), 7, shape(QStringLiteral("#ffffff")));

    svg.circle(QPointF(100, 160), 24, shape(Palette::skin()));
    svg.circle(QPointF(91, 155), 2, SvgStyle::filled(Palette::outline()));
    svg.circle(QPointF(109, 155), 2, SvgStyle::filled(Palette::outline()));
    svg.circle(QPointF(100, 163), 3.5, shape(red));
    svg.path(QStringLiteral("M 86,168 Q 100,181 114,168"), SvgStyle::outlined(Palette::outline(), 1.6));

    svg.path(QStringLiteral("M 78,142 C 68,124 56,112 44,106 C 60,104 76,112 92,136 Z"), shape(red));
    svg.path(QStringLiteral("M 122,142 C 132,124 144,112 156,106 C 140,104 124,112 108,136 Z"), shape(green));
    svg.path(QStringLiteral("M 87,138 C 89,110 95,92 100,72 C 105,92 111,110 113,138 Z"), shape(Palette::gold()));
    svg.path(QStringLiteral("M 74,146 C 82,134 118,134 126,146 L 126,151 C 118,141 82,141 74,151 Z"),
             shape(Palette::gold()));
    for (const QPointF &bell : {QPointF(44, 106), QPointF(100, 70), QPointF(156, 106)})
        svg.circle(bell, 5, shape(Palette::gold()));
}

void writeStar(SvgWriter &svg, double x, double y)
{
    svg.beginGroup(QString(), translateScale(x, y, 0.1));
    svg.path(
        QStringLiteral("M 0,-100 L 24,-32 L 95,-31 L 38,12 L 59,81 L 0,40 L -59,81 L -38,12 L -95,-31 L -24,-32 Z"),
        shape(Palette::gold()));
    svg.endGroup();
}

} // namespace

void write(SvgWriter &svg)
{
    CardFace::writeBlank(svg);
    for (bool upsideDown : {false, true}) {
        svg.beginGroup(QString(), upsideDown ? turnAround(centreX, centreY) : QString());
        writeCornerWord(svg);
        svg.endGroup();
    }
    SvgStyle framed = SvgStyle::filled(Palette::courtBackground());
    framed.stroke = red;
    framed.strokeWidth = 1.5;
    svg.rect(QRectF(38, 34, cardWidth - 76, cardHeight - 68), 3, framed);
    writeStar(svg, 62, 60);
    writeStar(svg, 138, 60);
    writeJester(svg);
}

} // namespace JokerFace
