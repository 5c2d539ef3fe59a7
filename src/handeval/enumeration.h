#ifndef MARROWICK_HANDEVAL_ENUMERATION_H
#define MARROWICK_HANDEVAL_ENUMERATION_H

#include "handvalue.h"
#include "window.h"

namespace Marrowick {
namespace HandEvaluation {

/**
 * The evaluation by enumeration, for any pool: every choice of five cards
 * inside the window, scored by the chain of predicates. False when no
 * choice fits the window.
 */
bool enumerateCandidates(const HandPool &pool, const Window &window, BestHand &best);

} // namespace HandEvaluation
} // namespace Marrowick

#endif
