#include "deck.h"

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

#include <random>
#include <utility>

namespace Marrowick {

namespace {

constexpr int valuesPerSuit = 13;

} // namespace

class DeckPrivate
{
public:
    int packs;
    int jokersPerPack;
    QVector<Card> cards; // the top card last, so that dealing takes from the end
    std::mt19937 generator;

    // A number from 0 to range - 1, each equally likely, for range from 1 to
    // 2^32 - 1: the high word of a draw times the range, with Lemire's
    // rejection of the few low words that would favour some results.
    quint32 bounded(quint32 range)
    {
        quint64 product = quint64(generator()) * range;
        if (quint32(product) < range) {
            const quint32 threshold = (0u - range) % range; // 2^32 mod range
            while (quint32(product) < threshold)
                product = quint64(generator()) * range;
        }
        return quint32(product >> 32);
    }
};

Deck::Deck(int packs, int jokersPerPack)
    : d(new DeckPrivate)
{
    d->packs = qMax(0, packs);
    d->jokersPerPack = qBound(0, jokersPerPack, valuesPerSuit);
    setSeed(1);
    reset();
}

Deck::Deck(const Deck &other)
    : d(new DeckPrivate(*other.d))
{ }

Deck &Deck::operator=(const Deck &other)
{
    *d = *other.d;
    return *this;
}

Deck::~Deck() = default;

int Deck::packs() const
{
    return d->packs;
}

int Deck::jokersPerPack() const
{
    return d->jokersPerPack;
}

void Deck::setSeed(quint32 seed)
{
    std::seed_seq sequence {seed};
    d->generator.seed(sequence);
}

void Deck::reset()
{
    d->cards.clear();
    d->cards.reserve(d->packs * (4 * valuesPerSuit + d->jokersPerPack));
    for (int pack = 0; pack < d->packs; ++pack) {
        for (int suit = Card::Clubs; suit <= Card::Spades; ++suit) {
            for (int value = 0; value < valuesPerSuit; ++value)
                d->cards.append(Card(Card::Suit(suit), char(value)));
        }
        for (int joker = 0; joker < d->jokersPerPack; ++joker)
            d->cards.append(Card(Card::Joker, char(joker)));
    }
}

bool Deck::remove(const Card &card)
{
    return d->cards.removeOne(card);
}

void Deck::shuffle()
{
    for (int i = d->cards.size() - 1; i > 0; --i)
        std::swap(d->cards[i], d->cards[int(d->bounded(quint32(i + 1)))]);
}

int Deck::size() const
{
    return d->cards.size();
}

bool Deck::isEmpty() const
{
    return d->cards.isEmpty();
}

Card Deck::deal()
{
    return d->cards.isEmpty() ? Card() : d->cards.takeLast();
}

QVector<Card> Deck::deal(int count)
{
    QVector<Card> dealt;
    for (int i = 0; i < count && !d->cards.isEmpty(); ++i)
        dealt.append(d->cards.takeLast());
    return dealt;
}

QVector<Card> Deck::cards() const
{
    return QVector<Card>(d->cards.crbegin(), d->cards.crend());
}

QByteArray Deck::toByteArray() const
{
    QByteArray bytes;
    bytes.reserve(d->cards.size());
    for (auto card = d->cards.crbegin(); card != d->cards.crend(); ++card) {
        if (card->suit() != Card::Joker)
            bytes.append(card->toEncodedChar());
    }
    return bytes;
}

} // namespace Marrowick
