#ifndef MARROWICK_DECK_PALETTE_H
#define MARROWICK_DECK_PALETTE_H

#include <QtCore/QString>

// The colours shared by the court cards, the joker and the back.
namespace Palette {

inline QString outline()
{
    return QStringLiteral("#3a2a1c");
}
inline QString skin()
{
    return QStringLiteral("#f6d5b4");
}
inline QString gold()
{
    return QStringLiteral("#e2b13c");
}
inline QString courtBackground()
{
    return QStringLiteral("#fbf4e2");
}
inline QString backBlue()
{
    return QStringLiteral("#1f4f8f");
}

} // namespace Palette

#endif
