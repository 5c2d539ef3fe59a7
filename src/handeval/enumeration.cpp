#include "enumeration.h"

#include "candidate.h"

namespace Marrowick {
namespace HandEvaluation {

bool enumerateCandidates(const HandPool &pool, const Window &window, const int *positions, int count,
                         BestHand &best)
{
    const auto card = [&pool, positions](int index) {
        const char code = pool.code(positions[index]);
        const DecodedCard decoded = decodeCard(code);
        return HandCard {code, decoded.suit, decoded.rank};
    };
    const auto isLimited = [&pool, positions](int index) { return int(pool.isLimited(positions[index])); };

    // Of equal values the later choice wins: it would replace the earlier one
    // in a map keyed by value. Each loop decodes its own card.
    const int n = count;
    Candidate candidate;
    Candidate winner;
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
                        candidate.m_cards[0] = first;
                        candidate.m_cards[1] = second;
                        candidate.m_cards[2] = third;
                        candidate.m_cards[3] = fourth;
                        candidate.m_cards[4] = card(m);
                        candidate.score();
                        if (!found || candidate.m_value >= winner.m_value) {
                            winner = candidate;
                            found = true;
                        }
                    }
                }
            }
        }
    }
    if (found)
        winner.report(best);
    return found;
}

} // namespace HandEvaluation
} // namespace Marrowick
