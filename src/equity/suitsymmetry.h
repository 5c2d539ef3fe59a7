#ifndef MARROWICK_EQUITY_SUITSYMMETRY_H
#define MARROWICK_EQUITY_SUITSYMMETRY_H

#include "equityproblem.h"

#include <array>
#include <vector>

namespace Marrowick {
namespace Equity {

/**
 * The changes of suits that leave every player's hole cards, the board and
 * the dead cards as they are. Boards that such a change turns into one
 * another give every player the same hand, so an exact count takes one board
 * of each such family, weighted by the family's size.
 *
 * The board taken is the least of its family, comparing the missing cards in
 * ascending order (rank first, then suit). A walk through the boards in that
 * order learns a rank's suits for good once it passes on to a higher rank, so
 * it settles each change rank by rank: a change that maps the suits of a
 * settled rank lower rules out the walk's whole branch, one that maps them
 * higher cannot rule out anything any more, and one that keeps them stays
 * undecided. The undecided changes at the end keep the board as it is.
 */
class SuitSymmetry
{
public:
    explicit SuitSymmetry(const EquityProblem &problem);

    /// The number of changes, the unchanged suits included.
    int size() const { return int(m_images.size()) + 1; }
    /// Every change other than keeping the suits, one bit each.
    quint32 allChanges() const { return (quint32(1) << m_images.size()) - 1; }

    /**
     * Settles the suits @p suits (a mask, bit s for suit s) of one rank:
     * false when a change in @p undecided maps them lower; otherwise removes
     * from @p undecided the changes that map them higher.
     */
    bool settle(unsigned suits, quint32 &undecided) const
    {
        for (quint32 rest = undecided; rest; rest &= rest - 1) {
            const int change = int(qCountTrailingZeroBits(rest));
            const int order = compareSuits(m_images[size_t(change)][suits], suits);
            if (order < 0)
                return false;
            if (order > 0)
                undecided &= ~(quint32(1) << change);
        }
        return true;
    }

    /// How many boards the least board of a family stands for, given the changes that keep it.
    quint64 familySize(quint32 keeping) const
    {
        // Most boards are kept by no change; a division on every board would cost more than the rest of its count.
        return keeping == 0 ? quint64(size()) : m_familySizes[qPopulationCount(keeping)];
    }

private:
    /// Compares two suit sets of one size as ascending lists: -1, 0 or 1.
    static int compareSuits(unsigned a, unsigned b);

    std::vector<std::array<quint8, 16>> m_images; ///< per change, the image of each suit mask
    std::vector<quint64> m_familySizes; ///< by the number of changes other than none that keep a board
};

} // namespace Equity
} // namespace Marrowick

#endif
