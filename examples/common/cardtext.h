#ifndef MARROWICK_EXAMPLES_CARDTEXT_H
#define MARROWICK_EXAMPLES_CARDTEXT_H

#include <marrowick/card.h>

#include <QtCore/QVector>

QT_BEGIN_NAMESPACE
class QByteArray;
QT_END_NAMESPACE

// Cards as people type and read them: the two-character text of Card, suit
// first ("sA" the ace of spades, "hT" the ten of hearts), separated by spaces.
namespace CardText {

// Reads "sA sK sQ" into @p cards. On text that is not a card of the four
// suits it returns false and says why in @p error; nothing is ever fatal.
bool parseCards(const QString &text, QVector<Marrowick::Card> *cards, QString *error);

// Reads hands separated by commas: "sT d3, cK dK".
bool parseHands(const QString &text, QVector<QVector<Marrowick::Card>> *hands, QString *error);

// "sA sK sQ".
QString format(const QVector<Marrowick::Card> &cards);
// The same for a list of one-byte card codes.
QString formatCodes(const QByteArray &codes);

} // namespace CardText

#endif
