#include "enumeration.h"

#include "candidate.h"

namespace Marrowick {
namespace HandEvaluation {

bool enumerateCandidates(const HandPool &pool, const Window &window, const int *positions, int count, BestHand &best)
{
    const auto card = [&pool, positions](int index) {
        const char code = pool.code(positions[index]);
        const DecodedCard decoded = decodeCard(code);
        return HandCard {code, decoded.suit, decoded.rank};
    };
    const auto isLimited = [&pool, positions](int index) { return int(pool.isLimited(positions[index])); };

    // Of equal values the later choice wins: it would replace the earlier one
    // in a map keyed by value. Each loop decodes its own card; the winner is
    // kept as its indices and scored again at the end.
    const int n = count;
    Candidate candidate;
    int winner[handSize] = {};
    int winningValue = 0;
    bool found = false;
    for (int i = 0; i < n - 4; ++i) {
        const HandCard first = card(i);
        for (int j = i + 1; j < n - 3; ++j) {
            const HandCard second = card(j);
            for (int k = j + 1; k < n - 2; ++k) {
                const HandCard third = card(k);
                for (int l = k + 1; l < n - 1; ++l) {
                    const HandCard fourth = card(l);
                    const int limitedCount = isLimited(i) + isLimited(j) + isLimited(k) + isLimited(l);
                    for (int m = l + 1; m < n; ++m) {
                        if (!window.allows(limitedCount + isLimited(m)))
                            continue;
                        candidate.setCard(0, first);
                        candidate.setCard(1, second);
                        candidate.setCard(2, third);
                        candidate.setCard(3, fourth);
                        candidate.setCard(4, card(m));
                        candidate.score();
                        if (!found || candidate.value() >= winningValue) {
                            winningValue = candidate.value();
                            winner[0] = i;
                            winner[1] = j;
                            winner[2] = k;
                            winner[3] = l;
                            winner[4] = m;
                            found = true;
                        }
                    }
                }
            }
        }
    }
    if (!found)
        return false;
    int chosen[handSize];
    for (int slot = 0; slot < handSize; ++slot)
        chosen[slot] = positions[winner[slot]];
    reportChoice(pool, chosen, winningValue, best);
    return true;
}

void reportChoice(const HandPool &pool, const int (&chosen)[handSize], int value, BestHand &best)
{
    Candidate candidate;
    for (int slot = 0; slot < handSize; ++slot) {
        const char code = pool.code(chosen[slot]);
        const DecodedCard card = decodeCard(code);
        candidate.setCard(slot, HandCard {code, card.suit, card.rank});
    }
    candidate.score();
    Q_ASSERT(candidate.value() == value);
    Q_UNUSED(value);
    candidate.report(best);
}

} // namespace HandEvaluation
} // namespace Marrowick
