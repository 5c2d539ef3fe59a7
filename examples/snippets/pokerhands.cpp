#include <marrowick/card.h>
#include <marrowick/evalhand.h>

#include <QtCore/QDebug>

using Marrowick::Card;
using Marrowick::EvalHand;

int main()
{
    const QByteArray board = Card::toByteArray({Card(Card::Spades, 0), Card(Card::Spades, 12), Card(Card::Spades, 11),
                                                Card(Card::Hearts, 4), Card(Card::Clubs, 1)});
    const QByteArray hole = Card::toByteArray({Card(Card::Spades, 10), Card(Card::Spades, 9)});

    EvalHand evaluator;
    int value = 0;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray kickers;
    QByteArray five;

    // Texas hold'em: any five of the seven cards, so up to two of the hole cards.
    if (evaluator.Evaluate(board, hole, 0, 2, value, type, kickers, &five))
        qDebug() << EvalHand::typeName(type) << Card::fromByteArray(five);
        // "Royal flush" QVector(Card(sA), Card(sK), Card(sQ), Card(sJ), Card(sT))

    // Omaha: exactly two of the four hole cards with exactly three of the board.
    const QByteArray omahaHole = Card::toByteArray({Card(Card::Hearts, 0), Card(Card::Diamonds, 0),
                                                    Card(Card::Spades, 1), Card(Card::Clubs, 6)});
    if (evaluator.Evaluate(board, omahaHole, 2, 2, value, type, kickers, &five))
        qDebug() << EvalHand::typeName(type) << Card::fromByteArray(kickers);
        // "Three of a kind" QVector(Card(sK), Card(sQ))
    return 0;
}
