#include "handtables.h"

#include <algorithm>
#include <array>

namespace Marrowick {
namespace Equity {

namespace {

// EvalHand's categories, the top byte of a value.
enum Category {
    HighCard,
    Pair,
    TwoPair,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
    RoyalFlush
};

// EvalHand counts ranks from 2 to 14 (the ace); ours run from 0 (the two) to 12.
int packedValue(Category category, std::array<int, boardSize> ranks)
{
    int value = int(category) << 24;
    for (int position = 0; position < boardSize; ++position)
        value |= (ranks[position] + 2) << (20 - 4 * position);
    return value;
}

// The lowest rank of the highest run of five ranks in @p mask, -1 (the ace
// playing low) for the five-high straight, -2 for none.
int highestStraightStart(unsigned mask)
{
    const unsigned withLowAce = (mask << 1) | ((mask >> 12) & 1u); // bit 0: the ace below the two
    for (int start = rankCount - 4; start >= 0; --start) {
        const unsigned run = 0x1fu << start;
        if ((withLowAce & run) == run)
            return start - 1;
    }
    return -2;
}

// The straight whose lowest rank is @p start: from the top down, the low ace
// last, as EvalHand reads a five-high straight.
std::array<int, boardSize> straightRanks(int start)
{
    std::array<int, boardSize> ranks {};
    for (int i = 0; i < boardSize; ++i) {
        const int rank = start + 4 - i;
        ranks[i] = rank < 0 ? rankCount - 1 : rank;
    }
    return ranks;
}

// Writes the @p wanted highest ranks of @p mask into @p ranks from position @p from on.
void takeHighest(unsigned mask, int wanted, std::array<int, boardSize> &ranks, int from)
{
    for (int rank = rankCount - 1; rank >= 0 && wanted > 0; --rank) {
        if (mask & (1u << rank)) {
            ranks[from++] = rank;
            --wanted;
        }
    }
}

int flushValueOf(unsigned mask)
{
    const int start = highestStraightStart(mask);
    if (start == rankCount - 5)
        return packedValue(RoyalFlush, straightRanks(start));
    if (start > -2)
        return packedValue(StraightFlush, straightRanks(start));
    std::array<int, boardSize> ranks {};
    takeHighest(mask, boardSize, ranks, 0);
    return packedValue(Flush, ranks);
}

// The best value of five to seven cards with these rank counts and no flush.
int rankValueOf(const std::array<int, rankCount> &counts)
{
    unsigned present = 0;
    int quads = -1;
    int trips[2] = {-1, -1};
    int pairs[3] = {-1, -1, -1};
    int tripCount = 0;
    int pairCount = 0;
    for (int rank = rankCount - 1; rank >= 0; --rank) {
        const int count = counts[size_t(rank)];
        if (count > 0)
            present |= 1u << rank;
        if (count == 4)
            quads = rank;
        else if (count == 3)
            trips[tripCount++] = rank;
        else if (count == 2)
            pairs[pairCount++] = rank;
    }
    const auto without = [present](int a, int b = -1) {
        return present & ~(a >= 0 ? 1u << a : 0u) & ~(b >= 0 ? 1u << b : 0u);
    };
    std::array<int, boardSize> ranks {};
    if (quads >= 0) {
        ranks = {quads, quads, quads, quads, 0};
        takeHighest(without(quads), 1, ranks, 4);
        return packedValue(FourOfAKind, ranks);
    }
    if (tripCount > 0 && (tripCount > 1 || pairCount > 0)) {
        const int pair = std::max(trips[1], pairs[0]);
        return packedValue(FullHouse, {trips[0], trips[0], trips[0], pair, pair});
    }
    const int start = highestStraightStart(present);
    if (start > -2)
        return packedValue(Straight, straightRanks(start));
    if (tripCount > 0) {
        ranks = {trips[0], trips[0], trips[0], 0, 0};
        takeHighest(without(trips[0]), 2, ranks, 3);
        return packedValue(ThreeOfAKind, ranks);
    }
    if (pairCount > 1) {
        ranks = {pairs[0], pairs[0], pairs[1], pairs[1], 0};
        takeHighest(without(pairs[0], pairs[1]), 1, ranks, 4);
        return packedValue(TwoPair, ranks);
    }
    if (pairCount > 0) {
        ranks = {pairs[0], pairs[0], 0, 0, 0};
        takeHighest(without(pairs[0]), 3, ranks, 2);
        return packedValue(Pair, ranks);
    }
    takeHighest(present, boardSize, ranks, 0);
    return packedValue(HighCard, ranks);
}

std::array<int, rankCount> countsOfKey(quint64 key)
{
    std::array<int, rankCount> counts {};
    for (int rank = 0; rank < rankCount; ++rank)
        counts[size_t(rank)] = int((key >> (3 * rank)) & 7u);
    return counts;
}

// Every rank key of @p size cards, at most four of a rank.
void collectKeys(int size, int rank, quint64 key, std::vector<quint64> &keys)
{
    if (size == 0) {
        keys.push_back(key);
        return;
    }
    if (rank == rankCount)
        return;
    for (int count = 0; count <= std::min(4, size); ++count)
        collectKeys(size - count, rank + 1, key + (quint64(count) << (3 * rank)), keys);
}

// A fixed sequence of odd multipliers to try for the perfect hash (splitmix64 steps).
quint64 candidateMultiplier(int attempt)
{
    quint64 z = 0x9e3779b97f4a7c15ull * quint64(attempt + 1);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return (z ^ (z >> 31)) | 1u;
}

} // namespace

int fiveCardValue(const int *cards)
{
    std::array<int, rankCount> counts {};
    unsigned mask = 0;
    bool oneSuit = true;
    for (int i = 0; i < boardSize; ++i) {
        ++counts[size_t(rankOf(cards[i]))];
        mask |= 1u << rankOf(cards[i]);
        oneSuit = oneSuit && suitOf(cards[i]) == suitOf(cards[0]);
    }
    return oneSuit ? flushValueOf(mask) : rankValueOf(counts);
}

const HandTables &HandTables::instance()
{
    static const HandTables tables;
    return tables;
}

HandTables::HandTables()
{
    std::vector<quint64> keys;
    collectKeys(boardSize, 0, 0, m_fiveCardKeys);
    keys = m_fiveCardKeys;
    collectKeys(boardSize + 1, 0, 0, keys);
    collectKeys(boardSize + 2, 0, 0, keys);
    buildPerfectHash(keys);

    std::vector<int> plainValues(slotTotal, 0);
    for (quint64 key : keys)
        plainValues[slotOf(key)] = rankValueOf(countsOfKey(key));
    std::vector<int> flushValues(size_t(1) << rankCount, 0);
    for (unsigned mask = 0; mask < flushValues.size(); ++mask) {
        if (int(qPopulationCount(mask)) >= boardSize)
            flushValues[mask] = flushValueOf(mask);
    }
    numberStrengths(plainValues, flushValues);

    m_fiveCardIds.assign(slotTotal, 0);
    for (size_t id = 0; id < m_fiveCardKeys.size(); ++id)
        m_fiveCardIds[slotOf(m_fiveCardKeys[id])] = quint16(id);
}

// Every hand of six or seven cards is worth one of its hands of five, so the
// values of the tables are all the values there are, and 0 for no hand.
void HandTables::numberStrengths(const std::vector<int> &plainValues, const std::vector<int> &flushValues)
{
    m_valueOfStrength = plainValues;
    m_valueOfStrength.insert(m_valueOfStrength.end(), flushValues.begin(), flushValues.end());
    std::sort(m_valueOfStrength.begin(), m_valueOfStrength.end());
    m_valueOfStrength.erase(std::unique(m_valueOfStrength.begin(), m_valueOfStrength.end()), m_valueOfStrength.end());
    const auto strengthOf = [this](int value) {
        return Strength(std::lower_bound(m_valueOfStrength.begin(), m_valueOfStrength.end(), value) -
                        m_valueOfStrength.begin());
    };
    m_strengths.resize(plainValues.size());
    std::transform(plainValues.begin(), plainValues.end(), m_strengths.begin(), strengthOf);
    m_flushStrengths.resize(flushValues.size());
    std::transform(flushValues.begin(), flushValues.end(), m_flushStrengths.begin(), strengthOf);
}

// Hash and displace: keys fall into buckets by the top bits of key * multiplier;
// each bucket, the largest first, gets the displacement that moves all of its
// keys to free slots.
void HandTables::buildPerfectHash(const std::vector<quint64> &keys)
{
    const size_t bucketTotal = size_t(1) << bucketBits;
    for (int attempt = 0;; ++attempt) {
        m_multiplier = candidateMultiplier(attempt);
        m_displacements.assign(bucketTotal, 0);
        std::vector<std::vector<quint64>> buckets(bucketTotal);
        for (quint64 key : keys)
            buckets[(key * m_multiplier) >> (64 - bucketBits)].push_back(key);
        std::vector<size_t> order(bucketTotal);
        for (size_t i = 0; i < bucketTotal; ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&buckets](size_t a, size_t b) { return buckets[a].size() > buckets[b].size(); });

        std::vector<bool> taken(slotTotal, false);
        bool placedAll = true;
        for (size_t bucket : order) {
            const std::vector<quint64> &members = buckets[bucket];
            if (members.empty())
                break;
            bool placed = false;
            for (quint32 displacement = 0; displacement < slotTotal && !placed; ++displacement) {
                m_displacements[bucket] = displacement;
                placed = true;
                std::vector<quint32> slots;
                for (quint64 key : members) {
                    const quint32 slot = slotOf(key);
                    if (taken[slot] || std::find(slots.begin(), slots.end(), slot) != slots.end()) {
                        placed = false;
                        break;
                    }
                    slots.push_back(slot);
                }
                if (placed) {
                    for (quint32 slot : slots)
                        taken[slot] = true;
                }
            }
            if (!placed) {
                placedAll = false;
                break;
            }
        }
        if (placedAll)
            return;
    }
}

Strength HandTables::bestStrength(const int *cards, int count) const
{
    quint64 key = 0;
    quint32 suitCounters = suitCountersStart;
    quint64 suited = 0;
    for (int i = 0; i < count; ++i) {
        key += rankKeyOf(cards[i]);
        suitCounters += suitCounterOf(cards[i]);
        suited |= suitedBitOf(cards[i]);
    }
    const quint32 flush = suitCounters & flushBits;
    if (flush)
        return flushStrength(ranksOfSuit(suited, qCountTrailingZeroBits(flush) / 4));
    return plainStrength(key);
}

const PairBoardTable &PairBoardTable::instance(Choice choice)
{
    if (choice == AllSeven) {
        static const PairBoardTable allSeven(AllSeven);
        return allSeven;
    }
    static const PairBoardTable twoWithThree(TwoWithThree);
    return twoWithThree;
}

int PairBoardTable::pairIndex(int rankA, int rankB)
{
    const int low = std::min(rankA, rankB);
    const int high = std::max(rankA, rankB);
    return high * (high + 1) / 2 + low;
}

PairBoardTable::PairBoardTable(Choice choice)
{
    const HandTables &tables = HandTables::instance();
    const std::vector<quint64> &boards = tables.fiveCardRankKeys();
    m_boardCount = boards.size();
    m_strengths.assign(size_t(pairIndex(rankCount - 1, rankCount - 1) + 1) * m_boardCount, 0);
    // A key with a counter above 4 belongs to no real hand.
    constexpr quint64 lowBits = 0x1249249249ull; // bit 0 of every 3-bit counter
    const auto real = [](quint64 key) { return ((key >> 2) & (key | (key >> 1)) & lowBits) == 0; };
    for (int high = 0; high < rankCount; ++high) {
        for (int low = 0; low <= high; ++low) {
            const quint64 pairKey = (quint64(1) << (3 * high)) + (quint64(1) << (3 * low));
            Strength *row = m_strengths.data() + size_t(pairIndex(high, low)) * m_boardCount;
            for (size_t board = 0; board < m_boardCount; ++board) {
                if (choice == AllSeven) {
                    const quint64 key = pairKey + boards[board];
                    row[board] = real(key) ? tables.plainStrength(key) : 0;
                    continue;
                }
                quint64 rankKeys[boardSize];
                int n = 0;
                for (int rank = 0; rank < rankCount; ++rank) {
                    for (quint64 c = (boards[board] >> (3 * rank)) & 7u; c > 0; --c)
                        rankKeys[n++] = quint64(1) << (3 * rank);
                }
                Strength best = 0;
                for (int a = 0; a < boardSize; ++a)
                    for (int b = a + 1; b < boardSize; ++b)
                        for (int c = b + 1; c < boardSize; ++c) {
                            const quint64 key = pairKey + rankKeys[a] + rankKeys[b] + rankKeys[c];
                            if (real(key))
                                best = std::max(best, tables.plainStrength(key));
                        }
                row[board] = best;
            }
        }
    }
}

} // namespace Equity
} // namespace Marrowick
