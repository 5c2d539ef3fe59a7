#include "card.h"

#include <QtCore/QByteArray>

namespace Marrowick {

QByteArray Card::toByteArray(const QVector<Card> &cards)
{
    QByteArray bytes;
    bytes.reserve(cards.size());
    for (const Card &card : cards)
        bytes.append(card.toEncodedChar());
    return bytes;
}

QVector<Card> Card::fromByteArray(const QByteArray &bytes)
{
    QVector<Card> cards(bytes.size());
    for (int i = 0; i < bytes.size(); ++i)
        cards[i] = fromEncodedChar(bytes.at(i));
    return cards;
}

} // namespace Marrowick
