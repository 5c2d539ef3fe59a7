#include <marrowick/deck.h>

#include <QtCore/QDebug>

int main()
{
    Marrowick::Deck deck;                      // 52 cards; Deck(2, 2): two packs with two jokers each
    deck.setSeed(6);
    deck.shuffle();
    const QVector<Marrowick::Card> hole = deck.deal(2);   // dT cJ
    const QByteArray rest = deck.toByteArray(); // the other 50, as the evaluator takes them
    qDebug() << hole << rest.size();           // QVector(Card(dT), Card(cJ)) 50
    return 0;
}
