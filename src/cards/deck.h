#ifndef MARROWICK_DECK_H
#define MARROWICK_DECK_H

#include "card.h"
#include "marrowick_export.h"

#include <QtCore/QVector>

#include <memory>

QT_BEGIN_NAMESPACE
class QByteArray;
QT_END_NAMESPACE

namespace Marrowick {

class DeckPrivate;

/**
 * A deck of cards to deal from: one or more packs of the 52 cards, with
 * jokers if the game plays them, shuffled by a seeded generator so that a
 * seed deals the same cards on every platform, with every compiler and
 * standard library.
 *
 * @code
 * Marrowick::Deck deck;                 // 52 cards, no jokers
 * deck.setSeed(42);
 * deck.shuffle();
 * const QVector<Card> hand = deck.deal(2);
 * const Card turn = deck.deal();
 * // What is left, as the hand evaluator takes a list of cards.
 * const QByteArray stub = deck.toByteArray();
 * @endcode
 *
 * A new deck, and one after reset(), holds its cards in pack order: pack by
 * pack, clubs, diamonds, hearts, spades, each from the ace to the king, then
 * the pack's jokers (Card::Joker with the values 0, 1, ...). The last card of
 * that order is on top and dealt first.
 *
 * The generator is Mersenne Twister (std::mt19937, which the C++ standard
 * defines to the bit) seeded through std::seed_seq with the seed; shuffle()
 * draws with it, unbiased, and moves the cards with Fisher-Yates, both done
 * here rather than by the standard library's distributions, whose results
 * differ between implementations. A deck seeded with s shuffles exactly as
 * QRandomGenerator(s).bounded() would, apart from the rare draw that the
 * latter gets slightly biased. Each shuffle() goes on with the generator
 * where the last one left it, so the deals of a whole session follow from
 * one seed.
 *
 * Deck is a value: a copy has its own cards and generator, which goes on from
 * the same state. Use it from one thread at a time.
 */
class MARROWICK_EXPORT Deck
{
public:
    /**
     * A deck of @p packs packs of 52 cards and @p jokersPerPack jokers each,
     * in pack order, its generator seeded with 1. Counts below 0 count as 0,
     * more than 13 jokers per pack as 13.
     */
    explicit Deck(int packs = 1, int jokersPerPack = 0);
    /// A deck with the cards and the generator state of @p other.
    Deck(const Deck &other);
    /// Takes the cards and the generator state of @p other.
    Deck &operator=(const Deck &other);
    ~Deck();

    /// The number of packs the deck was made of.
    int packs() const;
    /// The number of jokers in each pack.
    int jokersPerPack() const;

    /// Restarts the generator from @p seed; the cards stay where they are.
    void setSeed(quint32 seed);
    /// Puts every card back, in pack order; the generator goes on as it was.
    void reset();
    /**
     * Takes one copy of @p card out of the deck, for a card that is already in
     * play; the other cards keep their order. False when the deck has none.
     */
    bool remove(const Card &card);
    /// Shuffles the cards still in the deck.
    void shuffle();

    /// The number of cards still in the deck.
    int size() const;
    /// True when every card has been dealt or removed.
    bool isEmpty() const;
    /// Takes the top card; an invalid card when the deck is empty.
    Card deal();
    /// Takes the top @p count cards, top first; fewer when the deck runs out.
    QVector<Card> deal(int count);
    /// The cards still in the deck, top first.
    QVector<Card> cards() const;
    /**
     * The cards still in the deck, top first, one byte each as
     * Card::toByteArray() writes them. Jokers have no byte and are left out.
     */
    QByteArray toByteArray() const;

private:
    std::unique_ptr<DeckPrivate> d;
};

} // namespace Marrowick

#endif
