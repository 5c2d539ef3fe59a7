#ifndef MARROWICK_HANDEVAL_HANDPOOL_H
#define MARROWICK_HANDEVAL_HANDPOOL_H

#include "rankmask.h"

#include <QtCore/QByteArray>

namespace Marrowick {
namespace HandEvaluation {

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

} // namespace HandEvaluation
} // namespace Marrowick

#endif
