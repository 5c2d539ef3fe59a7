#ifndef MARROWICK_EQUITY_POKERCARDS_H
#define MARROWICK_EQUITY_POKERCARDS_H

#include <QtCore/QByteArray>
#include <QtCore/QString>

// Cards written together as poker players write them, rank first ("AhKs"),
// or in the library's text form, suit first ("hAsK"); each card may take
// either order. Ranks and suits are read in either case.
namespace PokerCards {

// Reads @p text into card codes (Card::toEncodedChar); false with the reason in @p error.
bool parse(const QString &text, QByteArray *codes, QString *error);

// The codes written rank first: "AhKs".
QString rankFirst(const QByteArray &codes);

} // namespace PokerCards

#endif
