#ifndef MARROWICK_TABLE_TABLELAYOUT_H
#define MARROWICK_TABLE_TABLELAYOUT_H

#include <QtCore/QRectF>
#include <QtCore/QSizeF>
#include <QtCore/QVector>

// Where a card lies on the table: one of a player's hole cards, or a board card.
struct CardPlace
{
    static constexpr int board = -1;

    int player; ///< the seat, or board
    int index; ///< which hole card, or which board card
};

// The geometry of the table for a widget size and a number of players: the
// felt, the seats around it, the board in the middle and the deck.
class TableLayout
{
public:
    TableLayout(const QSizeF &size, int players);

    // The wooden rim's width, as a share of the felt's height.
    static constexpr qreal rimShare = 0.035;

    QSizeF cardSize() const { return m_cardSize; }
    QRectF felt() const { return m_felt; }
    QRectF deck() const;
    QRectF cardRect(CardPlace place) const;
    // The name plate under a seat's cards.
    QRectF namePlate(int player) const;
    // Where the showdown's verdict is written.
    QRectF verdict() const;

private:
    void placeSeats();
    QPointF seatCentre(int player) const;

    QSizeF m_size;
    int m_players;
    QSizeF m_cardSize;
    QRectF m_felt;
    QVector<QPointF> m_seats;
};

#endif
