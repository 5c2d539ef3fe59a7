#ifndef MARROWICK_TABLE_TABLEWIDGET_H
#define MARROWICK_TABLE_TABLEWIDGET_H

#include "showdown.h"
#include "tablelayout.h"

#include <marrowick/card.h>

#include <QtWidgets/QWidget>

namespace Marrowick {
class CardDeck;
}

// Draws the poker table: the felt, the seats with their name plates, the
// deck, the board and every card on its way from the deck to its place.
// While the board comes it shows each player's chance; after the showdown
// it names each player's hand and marks the winner.
class TableWidget : public QWidget
{
    Q_OBJECT

public:
    TableWidget(Marrowick::CardDeck *deck, int players, QWidget *parent = nullptr);

    // Takes every card off the table for a new deal.
    void clear();
    // Puts @p card face down on the deck, bound for @p place; returns its handle.
    int addCard(Marrowick::Card card, CardPlace place);
    // Moves a card along its way: 0 on the deck face down, 1 face up in its place.
    void setCardProgress(int card, qreal progress);
    // Shows each player's chance (share of the pot, 0 to 1) beside the seat until the showdown; empty for none.
    void setChances(const QVector<double> &chances);
    // Names every player's best hand and marks the winners and their cards.
    void showResult(const ShowdownResult &result);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct MovingCard
    {
        Marrowick::Card card;
        CardPlace place;
        qreal progress;
    };

    void paintFelt(QPainter &painter, const TableLayout &layout) const;
    void paintSeats(QPainter &painter, const TableLayout &layout) const;
    void paintCard(QPainter &painter, const TableLayout &layout, const MovingCard &card) const;
    void paintVerdict(QPainter &painter, const TableLayout &layout) const;
    bool isWinningCard(Marrowick::Card card) const;

    Marrowick::CardDeck *m_deck;
    int m_players;
    QVector<MovingCard> m_cards;
    ShowdownResult m_result; // empty until the showdown
    QVector<double> m_chances; // each player's, as known so far
};

#endif
