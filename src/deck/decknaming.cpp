#include "decknaming.h"

namespace Marrowick::DeckNaming {

namespace {

constexpr int aceValue = 0;
constexpr int jackValue = 10;
constexpr int queenValue = 11;
constexpr int kingValue = 12;
constexpr int redJokerValue = 1;

QString freeDeckSuitName(Card::Suit suit)
{
    switch (suit) {
    case Card::Clubs:
        return QStringLiteral("club");
    case Card::Diamonds:
        return QStringLiteral("diamond");
    case Card::Hearts:
        return QStringLiteral("heart");
    case Card::Spades:
        return QStringLiteral("spade");
    default:
        return QString();
    }
}

QString freeDeckValueName(int value)
{
    switch (value) {
    case jackValue:
        return QStringLiteral("jack");
    case queenValue:
        return QStringLiteral("queen");
    case kingValue:
        return QStringLiteral("king");
    default:
        return QString::number(value + 1); // the ace is 1
    }
}

} // namespace

QString freeDeckElementId(Card card)
{
    const int value = static_cast<signed char>(card.value());
    if (value < aceValue || value > kingValue)
        return QString();
    if (card.suit() == Card::Back)
        return QStringLiteral("back");
    if (card.suit() == Card::Joker)
        return value == redJokerValue ? QStringLiteral("red_joker") : QStringLiteral("black_joker");
    const QString suit = freeDeckSuitName(card.suit());
    if (suit.isEmpty())
        return QString();
    return freeDeckValueName(value) + QLatin1Char('_') + suit;
}

QString elementId(Card card, CardDeck::Naming naming)
{
    return naming == CardDeck::FreeDeckNaming ? freeDeckElementId(card) : card.elementId();
}

const QVector<Card> &deckCards()
{
    static const QVector<Card> cards = [] {
        QVector<Card> all;
        for (int suit = Card::Clubs; suit <= Card::Spades; ++suit) {
            for (int value = aceValue; value <= kingValue; ++value)
                all.append(Card(Card::Suit(suit), char(value)));
        }
        all << Card(Card::Back, 0) << Card(Card::Joker, 0) << Card(Card::Joker, char(redJokerValue));
        return all;
    }();
    return cards;
}

bool detectNaming(const std::function<bool(const QString &)> &exists, CardDeck::Naming *naming)
{
    int best = 0;
    for (CardDeck::Naming candidate : {CardDeck::ElementIdNaming, CardDeck::FreeDeckNaming}) {
        int found = 0;
        for (const Card &card : deckCards())
            found += exists(elementId(card, candidate));
        if (found > best) {
            best = found;
            *naming = candidate;
        }
    }
    return best > 0;
}

} // namespace Marrowick::DeckNaming
