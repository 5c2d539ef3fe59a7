#ifndef MARROWICK_HANDEVAL_ENUMERATION_H
#define MARROWICK_HANDEVAL_ENUMERATION_H

#include "handvalue.h"
#include "window.h"

namespace Marrowick {
namespace HandEvaluation {

/**
 * The evaluation by enumeration: every choice of five of the pool's cards at
 * @p positions (ascending, @p count of them) inside the window, scored by the
 * chain of predicates. False when no choice fits the window.
 */
bool enumerateCandidates(const HandPool &pool, const Window &window, const int *positions, int count, BestHand &best);

/// Reports the pool's cards at @p chosen (ascending positions), whose value is @p value, as the best hand.
void reportChoice(const HandPool &pool, const int (&chosen)[handSize], int value, BestHand &best);

} // namespace HandEvaluation
} // namespace Marrowick

#endif
