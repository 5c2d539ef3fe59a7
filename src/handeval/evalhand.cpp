#include "evalhand.h"

#include "anypool.h"
#include "cardchoice.h"
#include "unrestrictedsearch.h"
#include "windowedsearch.h"

#include <QtCore/QString>
#include <QtCore/QtEndian>

#include <cstring>

// What the evaluator reports is defined by an enumeration: every choice of
// five cards in lexicographic order of positions, skipped when its number of
// limited cards lies outside the window, sorted and categorised by the chain
// of predicates from royal flush down, packed into a value; the highest
// value wins, and of equal values the choice enumerated last.
//
// Pools of anything but distinct real cards are evaluated by counting the
// cards of each suit and rank, or by that very enumeration when it is short
// (anypool.h). For the pools games use, the result is derived without
// enumerating, in steps that each have an exact counterpart in the
// enumeration:
//  1. the best value, by a search over the ranks held, category by category
//     (unrestrictedsearch.h when the window excludes no choice,
//     windowedsearch.h when it does): the value holds the category and the
//     five ranks in reading order;
//  2. the choice enumerated last among those of that value, and the order in
//     which the predicates leave its cards (cardchoice.h).

namespace Marrowick {

using namespace HandEvaluation;

EvalHand::EvalHand() = default;
EvalHand::EvalHand(const EvalHand &other) = default;
EvalHand &EvalHand::operator=(const EvalHand &other) = default;
EvalHand::~EvalHand() = default;

bool EvalHand::Evaluate(QByteArray cards, QByteArray limitedCards, int minLimited, int maxLimited, int &value,
                        handType &type, QByteArray &kickers, QByteArray *bestCards) const
{
    // The inputs are only read through constData(): no copy, no detach.
    HandPool pool;
    if (!pool.read(cards, limitedCards) || pool.size() < handSize)
        return false;
    const Window window(pool, minLimited, maxLimited);
    if (window.isEmpty())
        return false;

    BestHand best;
    if (pool.isPlain()) {
        if (!window.isBinding())
            best.value = bestUnrestricted(pool);
        else if (!bestWithinWindow(pool, window, best.value))
            return false;
        best.type = typeOf(best.value);
        best.cards = chooseCards(pool, window, best.value);
        // Every card of a plain pool ranks 2 or more: the kickers are the last cards.
        const int first = firstKicker(best.type);
        best.kickers = best.cards >> (8 * first); // the codes from position first on
        best.kickerCount = handSize - first;
    } else if (!evaluateAnyPool(pool, window, best)) {
        return false;
    }

    value = best.value;
    type = best.type;
    // Written in place, resized only when the size changes: a caller reusing
    // its arrays causes no allocation. Reserving keeps the buffer of kickers
    // when a hand has none.
    if (kickers.size() != best.kickerCount) {
        kickers.reserve(4);
        kickers.resize(best.kickerCount);
    }
    if (best.kickerCount > 0) {
        // Four stores, each inside the array: past the last kicker the index
        // stays on it. No branch on the count.
        char *kicker = kickers.data();
        const int last = best.kickerCount - 1;
        kicker[0] = codeAt(best.kickers, 0);
        kicker[qMin(1, last)] = codeAt(best.kickers, qMin(1, last));
        kicker[qMin(2, last)] = codeAt(best.kickers, qMin(2, last));
        kicker[qMin(3, last)] = codeAt(best.kickers, qMin(3, last));
    }
    if (bestCards) {
        if (bestCards->size() != handSize)
            bestCards->resize(handSize);
        char *card = bestCards->data();
        // Bytes 0 to 3 of the packed codes are cards 0 to 3: one store.
        const quint32 firstFour = qToLittleEndian(quint32(best.cards));
        std::memcpy(card, &firstFour, 4);
        card[4] = codeAt(best.cards, 4);
    }
    return true;
}

QString EvalHand::typeName(handType type)
{
    switch (type) {
    case RoyalFlush:
        return QStringLiteral("Royal flush");
    case StraightFlush:
        return QStringLiteral("Straight flush");
    case FourOfAKind:
        return QStringLiteral("Four of a kind");
    case FullHouse:
        return QStringLiteral("Full house");
    case Flush:
        return QStringLiteral("Flush");
    case Straight:
        return QStringLiteral("Straight");
    case ThreeOfAKind:
        return QStringLiteral("Three of a kind");
    case TwoPair:
        return QStringLiteral("Two pair");
    case Pair:
        return QStringLiteral("Pair");
    case HighCard:
        return QStringLiteral("High card");
    }
    return QString();
}

} // namespace Marrowick
