#include "evalhand.h"

#include "cards/card.h"

namespace Marrowick {

EvalHand::EvalHand() = default;
EvalHand::EvalHand(const EvalHand &other) = default;
EvalHand &EvalHand::operator=(const EvalHand &other) = default;
EvalHand::~EvalHand() = default;

bool EvalHand::Evaluate(QByteArray cards, QByteArray limitedCards, int minLimited, int maxLimited, int &value,
                        handType &type, QByteArray &kickers, QByteArray *bestCards)
{
    // The ace ranks above the king. A byte decoding beyond the king (57 to
    // 127) has no rank counter, so it makes the whole call fail.
    const auto appendCards = [this](const QByteArray &bytes, quint8 limited) {
        for (const char byte : bytes) {
            const Card card = Card::fromEncodedChar(byte);
            const int cardValue = static_cast<signed char>(card.value());
            const int rank = cardValue == 0 ? 14 : cardValue + 1;
            if (rank > 14)
                return false;
            allCards.push_back(HandCard {byte, qint8(card.suit() - Card::Clubs), qint8(rank), limited});
        }
        return true;
    };

    allCards.clear();
    if (!appendCards(cards, 0) || !appendCards(limitedCards, 1))
        return false;
    const int n = int(allCards.size());
    if (n < 5)
        return false;

    // Every choice of five cards in lexicographic order of their positions.
    // A later candidate replaces an earlier one of equal value.
    results.clear();
    for (int i = 0; i < n - 4; ++i) {
        for (int j = i + 1; j < n - 3; ++j) {
            for (int k = j + 1; k < n - 2; ++k) {
                for (int l = k + 1; l < n - 1; ++l) {
                    for (int m = l + 1; m < n; ++m) {
                        current.cards.clear();
                        current.value = 0;
                        current.type = HighCard;
                        current.kickers.clear();
                        for (const int position : {i, j, k, l, m})
                            current.cards.push_back(allCards[position]);

                        int limitedCount = 0;
                        for (const HandCard &card : current.cards)
                            limitedCount += card.limited;
                        if (limitedCount < minLimited || limitedCount > maxLimited)
                            continue;

                        EvaluateHand();
                        results[current.value] = current;
                    }
                }
            }
        }
    }
    if (results.empty())
        return false;

    const auto best = results.cbegin();
    value = best->second.value;
    type = best->second.type;
    kickers = best->second.kickers;
    if (bestCards) {
        bestCards->clear();
        for (const HandCard &card : best->second.cards)
            bestCards->append(card.code);
    }
    return true;
}

} // namespace Marrowick
