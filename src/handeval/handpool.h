#ifndef MARROWICK_HANDEVAL_HANDPOOL_H
#define MARROWICK_HANDEVAL_HANDPOOL_H

#include <QtCore/QByteArray>

namespace Marrowick {
namespace HandEvaluation {

// Ranks run from 2 (the two) to 14 (the ace). Sets of ranks are bit masks with
// bit r for rank r; for straights bit 1 repeats the ace, which also plays low.
using RankMask = quint32;
const int highestRank = 14;
const int handSize = 5;

inline RankMask rankBit(int rank)
{
    return RankMask(1) << rank;
}

/// The highest rank in a non-empty mask.
inline int highestRankOf(RankMask mask)
{
    return 31 - __builtin_clz(mask);
}

// How many bits each byte has.
struct ByteBitCounts
{
    constexpr ByteBitCounts()
        : counts()
    {
        for (int byte = 1; byte < 256; ++byte)
            counts[byte] = quint8(counts[byte / 2] + byte % 2);
    }
    quint8 counts[256];
};

inline constexpr ByteBitCounts byteBitCounts;

/// How many ranks a mask holds.
inline int bitCount(RankMask mask)
{
    return byteBitCounts.counts[mask & 0xffu] + byteBitCounts.counts[(mask >> 8) & 0xffu];
}

/// The mask with the ace (bit 14) repeated at bit 1, for the five-high straight.
constexpr RankMask withLowAce(RankMask mask)
{
    return mask | ((mask >> 13) & 2u);
}

/// The lowest ranks of every run of five ranks in @p mask (with the ace low at bit 1).
constexpr RankMask straightStarts(RankMask mask)
{
    const RankMask m = withLowAce(mask);
    return m & (m >> 1) & (m >> 2) & (m >> 3) & (m >> 4);
}

/// The lowest rank of the highest run of five ranks in @p mask (1: the ace), 0 for none.
inline int highestStraight(RankMask mask)
{
    return highestRankOf(straightStarts(mask) | 1);
}

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

// How a card's code decodes (the same arithmetic as Card::fromEncodedChar):
// the suit number minus 2 and the rank, the ace counting 14.
struct DecodedCard
{
    qint8 suit;
    qint8 rank;
};

// Card::fromEncodedChar for every byte, worked out at compile time: 0 is a
// card back; any other byte c, taken as signed, has suit 2 + (c - 1) % 4 and
// value (c - 1) / 4, both truncating toward zero. The value 0, the ace,
// ranks 14; any other value ranks one above it.
struct DecodingTable
{
    constexpr DecodingTable()
        : cards()
    {
        for (int byte = 0; byte < 256; ++byte) {
            const int code = byte < 128 ? byte : byte - 256;
            const int suit = code == 0 ? 0 : 2 + (code - 1) % 4;
            const int value = code == 0 ? 0 : (code - 1) / 4;
            cards[byte] = DecodedCard {qint8(suit - 2), qint8(value == 0 ? highestRank : value + 1)};
        }
    }
    DecodedCard cards[256];
};

inline constexpr DecodingTable decodingTable;

inline DecodedCard decodeCard(char code)
{
    return decodingTable.cards[uchar(code)];
}

// For each byte its bit in HandPool::cards: 16 × suit + rank for the real
// cards (codes 1 to 52, 4 × value + suit + 1 with the ace's value 0), and
// bit 63 (no suit's lane reaches it) for any other byte.
const int notACardBit = 63;

struct LaneBits
{
    constexpr LaneBits()
        : bits()
    {
        for (int byte = 0; byte < 256; ++byte) {
            const int value = (byte - 1) / 4;
            bits[byte] = quint8(byte >= 1 && byte <= 52 ? 16 * ((byte - 1) % 4) + (value == 0 ? highestRank : value + 1)
                                                        : notACardBit);
        }
    }
    quint8 bits[256];
};

inline constexpr LaneBits laneBits;

/**
 * The cards of one call: the first array, then the second, in byte order;
 * a card's position counts in that order. A card is limited when it comes
 * from the second array.
 *
 * A plain pool holds only the codes of the 52 real cards, each at most once.
 * For such a pool read() also files the cards by suit and rank: the searches
 * for the best hand work on these sets, not on the cards one by one.
 */
struct HandPool
{
    /// Reads both arrays; false when a byte decodes beyond the king (57 to 127).
    bool read(const QByteArray &freeArray, const QByteArray &limitedArray)
    {
        freeCodes = freeArray.constData();
        limitedCodes = limitedArray.constData();
        freeCount = freeArray.size();
        size = freeCount + limitedArray.size();
        plain = true;
        for (quint32 &codes : latestCodes)
            codes = 0;

        // Kept in locals while filling, where the compiler holds them in registers.
        // Bit 63 stands for every byte that is no card: seen from the start, so
        // that one test finds both such a byte and a repeated card.
        quint64 seen = quint64(1) << notACardBit;
        quint64 limited = 0;
        const auto add = [&](const char *codes, int count, bool fromSecondArray) {
            for (int i = 0; i < count; ++i) {
                const uchar code = uchar(codes[i]);
                const int laneBit = laneBits.bits[code];
                const quint64 bit = quint64(1) << laneBit;
                if (seen & bit) {
                    // No plain pool. A byte beyond the king fails the call.
                    plain = false;
                    if (decodeCard(char(code)).rank > highestRank)
                        return false;
                    continue;
                }
                seen |= bit;
                if (fromSecondArray)
                    limited |= bit;
                const int rank = laneBit & 15;
                latestCodes[rank] = (latestCodes[rank] << 8) | code;
            }
            return true;
        };
        const bool valid = add(freeCodes, freeCount, false) && add(limitedCodes, size - freeCount, true);
        cards = seen & ~(quint64(1) << notACardBit);
        limitedCards = limited;
        return valid;
    }

    char code(int position) const
    {
        return position < freeCount ? freeCodes[position] : limitedCodes[position - freeCount];
    }
    bool isLimited(int position) const { return position >= freeCount; }

    const char *freeCodes;
    const char *limitedCodes;
    int freeCount;
    int size;
    bool plain;

    // Plain pools only.
    //
    // Every card as bit 16 × suit + rank: one 16-bit lane of ranks per suit
    // (clubs lowest), and the same for the limited cards alone.
    quint64 cards;
    quint64 limitedCards;
    // For each rank the codes of its cards from the latest in pool order back:
    // the latest in the low byte, the one before it in the next byte...
    quint32 latestCodes[16];

    RankMask suitRanks(int suit) const { return RankMask(cards >> (16 * suit)) & 0xffffu; }
    RankMask suitLimitedRanks(int suit) const { return RankMask(limitedCards >> (16 * suit)) & 0xffffu; }
    /// The ranks of all suits of @p lanes together.
    static RankMask ranks(quint64 lanes)
    {
        return RankMask(lanes | (lanes >> 16) | (lanes >> 32) | (lanes >> 48)) & 0xffffu;
    }
    int rankCount(int rank) const { return lanesHolding(cards, rank); }
    int rankLimitedCount(int rank) const { return lanesHolding(limitedCards, rank); }
    /// The numbers of limited cards among @p count cards of @p rank.
    LimitedSpan limitedSpan(int rank, int count) const
    {
        const int limited = rankLimitedCount(rank);
        const int free = rankCount(rank) - limited;
        return LimitedSpan {qMax(0, count - free), qMin(count, limited)};
    }
    /// The @p k-th latest card of @p rank (0: the latest).
    char latestCode(int rank, int k) const { return char(latestCodes[rank] >> (8 * k)); }
    /// The position of a card of the pool, found by looking: only rare cases need it.
    int positionOf(char code) const
    {
        int position = 0;
        while (this->code(position) != code)
            ++position;
        return position;
    }

private:
    static int lanesHolding(quint64 lanes, int rank)
    {
        return int((((lanes >> rank) & 0x0001000100010001u) * 0x0001000100010001u) >> 48);
    }
};

/// How many cards each suit of @p lanes holds, in the low byte of its lane.
inline quint64 suitCounts(quint64 lanes)
{
    lanes -= (lanes >> 1) & 0x5555555555555555u;
    lanes = (lanes & 0x3333333333333333u) + ((lanes >> 2) & 0x3333333333333333u);
    lanes = (lanes + (lanes >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return (lanes + (lanes >> 8)) & 0x001f001f001f001fu;
}

/// The lanes of @p counts holding five or more, as bit 4 of their low byte.
inline quint64 flushLanes(quint64 counts)
{
    return (counts + 0x000b000b000b000bu) & 0x0010001000100010u;
}

/**
 * The window on the number of limited cards, narrowed to the numbers that
 * five cards of the pool can have at all: at least 5 - (free cards), at most
 * the number of limited cards. Empty when no choice of five cards fits.
 */
struct Window
{
    Window(const HandPool &pool, int minLimited, int maxLimited)
    {
        const int fewestPossible = qMax(0, handSize - pool.freeCount);
        const int mostPossible = qMin(handSize, pool.size - pool.freeCount);
        least = qMax(minLimited, fewestPossible);
        most = qMin(maxLimited, mostPossible);
        binding = least > fewestPossible || most < mostPossible;
    }

    bool isEmpty() const { return least > most; }
    bool allows(int limitedCount) const { return limitedCount >= least && limitedCount <= most; }
    /// Whether some number in @p span lies in the window.
    bool meets(LimitedSpan span) const { return span.least <= most && span.most >= least; }
    /// Whether every number in @p span lies in the window.
    bool holds(LimitedSpan span) const { return span.least >= least && span.most <= most; }

    int least;
    int most;
    bool binding; ///< the window excludes some choice of five cards of the pool
};

} // namespace HandEvaluation
} // namespace Marrowick

#endif
