#ifndef MARROWICK_EXAMPLES_DEAL_H
#define MARROWICK_EXAMPLES_DEAL_H

#include "game.h"

#include <marrowick/card.h>
#include <marrowick/deck.h>

#include <QtCore/QVector>

// The stages of the board.
enum class Street { Flop, Turn, River };

// One deal of a poker hand: a shuffled deck, each player's hole cards and
// the board, dealt step by step. Cards fixed in advance (typed by a user)
// are dealt where they were put; every other card comes from the deck, whose
// seed decides the cards of every deal that follows.
class Deal
{
public:
    // Cards given in advance: the first board cards (up to five) and the
    // hole cards of the first players (each hand complete).
    struct FixedCards
    {
        QVector<Marrowick::Card> board;
        QVector<QVector<Marrowick::Card>> hands;
    };

    static constexpr int boardSize = 5;
    static constexpr int minPlayers = 2;
    static constexpr int maxPlayers = 10;

    // Why @p fixed cannot be dealt in @p game to @p players players, or an empty string.
    static QString checkFixedCards(Game game, int players, const FixedCards &fixed);

    // A deal of @p game for @p players players; the fixed cards must have passed checkFixedCards().
    Deal(Game game, int players, const FixedCards &fixed = FixedCards());

    // Seeds the shuffles from here on: the same seed deals the same cards.
    void setSeed(quint32 seed) { m_deck.setSeed(seed); }
    // Starts a new deal: no cards out, the deck holds every card that is not fixed, shuffled.
    void shuffle();
    // Gives @p player their hole cards and returns them.
    QVector<Marrowick::Card> dealHoleCards(int player);
    // Puts the cards of @p street on the board and returns them.
    QVector<Marrowick::Card> dealBoard(Street street);

    Game game() const { return m_game; }
    int players() const { return m_holeCards.size(); }
    const QVector<Marrowick::Card> &holeCards(int player) const { return m_holeCards.at(player); }
    const QVector<Marrowick::Card> &board() const { return m_board; }

private:
    Game m_game;
    FixedCards m_fixed;
    Marrowick::Deck m_deck;
    QVector<QVector<Marrowick::Card>> m_holeCards;
    QVector<Marrowick::Card> m_board;
};

#endif
