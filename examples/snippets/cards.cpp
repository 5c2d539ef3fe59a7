#include <marrowick/card.h>

#include <QtCore/QDebug>

using Marrowick::Card;

int main()
{
    const Card ace(Card::Spades, 0);           // value 0 is the ace, 12 the king
    const Card king(QStringLiteral("hK"));     // suit code, then value code
    qDebug() << ace << king;                   // Card(sA) Card(hK)

    // Lists of cards travel as byte arrays, one byte per card (1 to 52).
    const QByteArray hand = Card::toByteArray({ace, king});
    const QVector<Card> again = Card::fromByteArray(hand);

    // Text typed by a user: fromString never ends the process on bad input.
    bool ok = false;
    const Card typed = Card::fromString(QStringLiteral("dQ"), &ok);

    // The name of the card's picture in an SVG deck.
    const QString element = ace.elementId();   // "Ace_Spades"

    qDebug() << again << typed << ok << element; // QVector(Card(sA), Card(hK)) Card(dQ) true "Ace_Spades"
    return 0;
}
