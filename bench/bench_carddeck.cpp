// How long CardDeck takes to draw a whole deck: the 54 pictures of the
// built-in deck at 200 × 300 at device pixel ratio 2 (400 × 600 pixels),
// rendered one after another on the GUI thread and in the background on every
// core of QThreadPool::globalInstance(); and the cost of a cache hit.
//
// Usage: QT_QPA_PLATFORM=offscreen bench_carddeck [rounds, default 5]
// Times are the best of the rounds; build in Release to measure.

#include <marrowick/carddeck.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QThreadPool>
#include <QtGui/QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using Marrowick::Card;
using Marrowick::CardDeck;

namespace {

const QSize pictureSize(200, 300);
constexpr qreal ratio = 2.0;

QVector<Card> deckCards()
{
    QVector<Card> cards = {Card(Card::Back, 0), Card(Card::Joker, 0)};
    for (int suit = Card::Clubs; suit <= Card::Spades; ++suit) {
        for (int value = 0; value < 13; ++value)
            cards.append(Card(Card::Suit(suit), char(value)));
    }
    return cards;
}

double oneThreadMs(CardDeck &deck, const QVector<Card> &cards)
{
    deck.clearCache();
    QElapsedTimer timer;
    timer.start();
    for (const Card &card : cards)
        deck.pixmap(card, pictureSize, ratio);
    return timer.nsecsElapsed() / 1e6;
}

double backgroundMs(CardDeck &deck)
{
    deck.clearCache();
    QEventLoop loop;
    QObject::connect(&deck, &CardDeck::allRendered, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    deck.renderAll(pictureSize, ratio);
    loop.exec();
    return timer.nsecsElapsed() / 1e6;
}

double cacheHitNs(CardDeck &deck, const QVector<Card> &cards)
{
    constexpr int calls = 2000000;
    qint64 keys = 0;
    QElapsedTimer timer;
    timer.start();
    for (int call = 0; call < calls; ++call)
        keys += deck.pixmap(cards.at(call % cards.size()), pictureSize, ratio).cacheKey();
    const double ns = double(timer.nsecsElapsed()) / calls;
    return keys == 0 ? -1 : ns;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    CardDeck deck;
    const QVector<Card> cards = deckCards();

    double single = 1e30, background = 1e30, hit = 1e30;
    for (int round = 0; round < rounds; ++round) {
        single = std::min(single, oneThreadMs(deck, cards));
        background = std::min(background, backgroundMs(deck));
        hit = std::min(hit, cacheHitNs(deck, cards));
    }
    std::printf("54 pictures at 200 x 300, ratio 2 (best of %d rounds)\n", rounds);
    std::printf("  one thread:              %8.1f ms  (%.2f ms a picture)\n", single, single / cards.size());
    std::printf("  background, %d threads:   %8.1f ms\n", QThreadPool::globalInstance()->maxThreadCount(),
                background);
    std::printf("  cache hit:               %8.1f ns\n", hit);
    return 0;
}
