#include "rankglyphs.h"

namespace RankGlyphs {

namespace {

struct GlyphSource
{
    const char *path;
    double width;
};

Glyph toGlyph(const GlyphSource &source)
{
    return {QString::fromLatin1(source.path), source.width};
}

// Indexed by card value: ace, two to ten, jack, queen, king.
const GlyphSource valueGlyphs[13] = {
    {"M 1,28 L 10,0 L 19,28 M 4.5,18 L 15.5,18", 20},
    {"M 2,7 C 2,2.5 5.5,0 10,0 C 14.5,0 18,2.5 18,7 C 18,12.5 11,17 2,28 L 18.5,28", 20},
    {"M 2,3.5 C 4,1.2 7,0 10,0 C 15,0 17.5,3 17.5,7 C 17.5,11 14,13 9,13 C 15,13 18.5,16 18.5,20.5"
     " C 18.5,25.5 15,28 10,28 C 6,28 3,27 1.5,24.5",
     20},
    {"M 14,28 L 14,0 L 1.5,19 L 19,19", 20},
    {"M 17,0 L 4,0 L 2.8,12 C 5,11 7,10.5 10,10.5 C 15,10.5 18.5,14 18.5,19 C 18.5,24.5 15,28 10,28"
     " C 6,28 3,27 1.5,24.5",
     20},
    {"M 16.5,2 C 14.5,0.6 12.5,0 10.5,0 C 5,0 2,5 2,14 L 2,19 C 2,24.5 5.5,28 10,28 C 14.5,28 18,24.5 18,19.5"
     " C 18,14.5 14.5,11.5 10,11.5 C 6,11.5 2.6,14 2,17",
     20},
    {"M 2,0 L 18,0 L 8,28", 20},
    {"M 3.5,6.5 A 6.5,6.5 0 1,1 16.5,6.5 A 6.5,6.5 0 1,1 3.5,6.5 Z"
     " M 2,20.5 A 8,7.5 0 1,1 18,20.5 A 8,7.5 0 1,1 2,20.5 Z",
     20},
    {"M 3.5,26 C 5.5,27.4 7.5,28 9.5,28 C 15,28 18,23 18,14 L 18,9 C 18,3.5 14.5,0 10,0 C 5.5,0 2,3.5 2,8.5"
     " C 2,13.5 5.5,16.5 10,16.5 C 14,16.5 17.4,14 18,11",
     20},
    {"M 1,4.5 L 5.5,0 L 5.5,28 M 12,14 A 6,14 0 1,1 24,14 A 6,14 0 1,1 12,14 Z", 25},
    {"M 6,0 L 17,0 M 13,0 L 13,20 C 13,25 10.5,28 7,28 C 3.5,28 1.5,25.5 1.5,22", 19},
    {"M 2,14 A 8,14 0 1,1 18,14 A 8,14 0 1,1 2,14 Z M 11.5,20 L 19,28.5", 20},
    {"M 2.5,0 L 2.5,28 M 18,0 L 2.5,17 M 8,11 L 18.5,28", 20},
};

const GlyphSource letterO = {"M 1.5,14 A 8.5,14 0 1,1 18.5,14 A 8.5,14 0 1,1 1.5,14 Z", 20};
const GlyphSource letterE = {"M 17,0 L 2.5,0 L 2.5,28 L 17,28 M 2.5,13.5 L 14,13.5", 19};
const GlyphSource letterR = {"M 2.5,28 L 2.5,0 L 10,0 C 15,0 17.5,3 17.5,7.5 C 17.5,12 15,15 10,15 L 2.5,15"
                             " M 10,15 L 18,28",
                             20};

} // namespace

Glyph forValue(int value)
{
    return value >= 0 && value < 13 ? toGlyph(valueGlyphs[value]) : Glyph();
}

Glyph forLetter(char letter)
{
    switch (letter) {
    case 'J':
        return forValue(10);
    case 'K':
        return forValue(12);
    case 'O':
        return toGlyph(letterO);
    case 'E':
        return toGlyph(letterE);
    case 'R':
        return toGlyph(letterR);
    default:
        return Glyph();
    }
}

} // namespace RankGlyphs
