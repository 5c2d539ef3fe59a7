#ifndef MARROWICK_HANDEVAL_WINDOW_H
#define MARROWICK_HANDEVAL_WINDOW_H

#include "handpool.h"

namespace Marrowick {
namespace HandEvaluation {

// How many of a hand's cards come from the second array: a range of numbers
// that some choice of cards reaches, every number in between included.
struct LimitedSpan
{
    int least;
    int most;
};

inline LimitedSpan operator+(LimitedSpan a, LimitedSpan b)
{
    return LimitedSpan {a.least + b.least, a.most + b.most};
}

/// The numbers of limited cards among @p count cards of @p rank of a plain pool.
inline LimitedSpan limitedSpan(const HandPool &pool, int rank, int count)
{
    const int limited = pool.rankLimitedCount(rank);
    const int free = pool.rankCount(rank) - limited;
    return LimitedSpan {qMax(0, count - free), qMin(count, limited)};
}

/**
 * The window on the number of limited cards, narrowed to the numbers that
 * five cards of the pool can have at all: at least 5 - (free cards), at most
 * the number of limited cards. Empty when no choice of five cards fits.
 */
class Window
{
public:
    Window(const HandPool &pool, int minLimited, int maxLimited)
    {
        const int fewestPossible = qMax(0, handSize - pool.freeCount());
        const int mostPossible = qMin(handSize, pool.size() - pool.freeCount());
        m_least = qMax(minLimited, fewestPossible);
        m_most = qMin(maxLimited, mostPossible);
        m_binding = m_least > fewestPossible || m_most < mostPossible;
    }

    bool isEmpty() const { return m_least > m_most; }
    /// The greatest number of limited cards allowed.
    int most() const { return m_most; }
    /// Whether the window excludes some choice of five cards of the pool.
    bool isBinding() const { return m_binding; }
    bool allows(int limitedCount) const { return limitedCount >= m_least && limitedCount <= m_most; }
    /// Whether some number in @p span lies in the window.
    bool meets(LimitedSpan span) const { return span.least <= m_most && span.most >= m_least; }

private:
    int m_least;
    int m_most;
    bool m_binding;
};

} // namespace HandEvaluation
} // namespace Marrowick

#endif
