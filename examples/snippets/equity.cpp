#include <marrowick/card.h>
#include <marrowick/equitycalculator.h>

#include <QtCore/QDebug>

using Marrowick::Card;

int main()
{
    const QByteArray acesCodes = Card::toByteArray({Card(Card::Hearts, 0), Card(Card::Spades, 0)});
    const QByteArray kingsCodes = Card::toByteArray({Card(Card::Clubs, 12), Card(Card::Diamonds, 12)});
    const QByteArray flopCodes = Card::toByteArray({Card(Card::Clubs, 1), Card(Card::Diamonds, 6),
                                                    Card(Card::Spades, 10)});

    Marrowick::EquityCalculator calculator;          // Texas hold'em; setGame(Omaha) or setWindow(5, 2, 2)
    calculator.setPlayers({acesCodes, kingsCodes});   // card codes, one byte array a player
    calculator.setBoard(flopCodes);                   // 0 to 5 cards; setDeadCards() too
    const Marrowick::EquityResult odds = calculator.calculate();   // every board, on all cores
    if (odds.isValid())
        qDebug() << odds.players.at(0).equity << odds.boards << odds.seconds;   // 0.91... 990 ...
    else
        qDebug() << odds.error;                        // "the card hA is given twice"
    return 0;
}
