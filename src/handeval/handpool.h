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

// What decodeCard gives for any byte: suits from -3 to 3, ranks from -31 to 14.
const int lowestSuit = -3;
const int suitSlots = 7;
const int lowestRank = -31;

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
 * for the best hand work on these sets, not on the cards one by one. A set
 * of cards is a 64-bit word of four 16-bit lanes, one per suit, each lane a
 * RankMask of that suit's ranks (bit 16 * suit + rank):
 *
 *   bit  63      48 47      32 31      16 15       0
 *        | spades  | hearts   | diamonds | clubs    |
 *        |-AKQJT98765432--| in each lane, bits 14 down to 2
 */
class HandPool
{
public:
    /// Reads both arrays; false when a byte decodes beyond the king (57 to 127).
    bool read(const QByteArray &freeArray, const QByteArray &limitedArray)
    {
        m_freeCodes = freeArray.constData();
        m_limitedCodes = limitedArray.constData();
        m_freeCount = freeArray.size();
        m_size = m_freeCount + limitedArray.size();
        m_plain = true;
        for (quint32 &codes : m_latestCodes)
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
                    m_plain = false;
                    if (decodeCard(char(code)).rank > highestRank)
                        return false;
                    continue;
                }
                seen |= bit;
                if (fromSecondArray)
                    limited |= bit;
                const int rank = laneBit & 15; // laneBit % 16
                m_latestCodes[rank] = (m_latestCodes[rank] << 8) | code;
            }
            return true;
        };
        const bool valid = add(m_freeCodes, m_freeCount, false) && add(m_limitedCodes, m_size - m_freeCount, true);
        m_cards = seen & ~(quint64(1) << notACardBit);
        m_limitedCards = limited;
        return valid;
    }

    /// All cards, free ones first.
    int size() const { return m_size; }
    /// The cards of the first array.
    int freeCount() const { return m_freeCount; }
    char code(int position) const
    {
        Q_ASSERT(position >= 0 && position < m_size);
        return position < m_freeCount ? m_freeCodes[position] : m_limitedCodes[position - m_freeCount];
    }
    bool isLimited(int position) const { return position >= m_freeCount; }
    /// Only distinct real cards.
    bool isPlain() const { return m_plain; }

    // Plain pools only.

    /// Every card, and the limited cards alone, in the suits' lanes.
    quint64 cards() const { return m_cards; }
    quint64 limitedCards() const { return m_limitedCards; }
    RankMask suitRanks(int suit) const { return laneOf(m_cards, suit); }
    RankMask suitLimitedRanks(int suit) const { return laneOf(m_limitedCards, suit); }
    /// The ranks of all suits of @p lanes together.
    static RankMask ranks(quint64 lanes)
    {
        // clubs | diamonds | hearts | spades
        return RankMask(lanes | (lanes >> 16) | (lanes >> 32) | (lanes >> 48)) & 0xffffu;
    }
    int rankCount(int rank) const { return lanesHolding(m_cards, rank); }
    int rankLimitedCount(int rank) const { return lanesHolding(m_limitedCards, rank); }
    /**
     * For each rank the codes of its cards from the latest in pool order
     * back: the latest in the low byte, the one before it in the next byte.
     */
    const quint32 *latestCodes() const { return m_latestCodes; }
    /// The @p k-th latest card of @p rank (0: the latest).
    char latestCode(int rank, int k) const
    {
        Q_ASSERT(rank >= 2 && rank <= highestRank && k >= 0 && k < 4);
        return char(m_latestCodes[rank] >> (8 * k)); // byte k
    }
    /// The position of @p code, which must be in the pool, found by looking: only rare cases need it.
    int positionOf(char code) const
    {
        int position = 0;
        while (position < m_size && this->code(position) != code)
            ++position;
        Q_ASSERT(position < m_size);
        return position;
    }

private:
    static RankMask laneOf(quint64 lanes, int suit)
    {
        Q_ASSERT(suit >= 0 && suit < 4);
        return RankMask(lanes >> (16 * suit)) & 0xffffu; // (lanes / 2^(16 * suit)) % 2^16
    }
    static int lanesHolding(quint64 lanes, int rank)
    {
        // (bit rank of clubs) + (of diamonds) + (of hearts) + (of spades): the
        // multiplication adds the four lanes' low bits into the top lane.
        return int((((lanes >> rank) & 0x0001000100010001u) * 0x0001000100010001u) >> 48);
    }

    const char *m_freeCodes = nullptr;
    const char *m_limitedCodes = nullptr;
    int m_freeCount = 0;
    int m_size = 0;
    bool m_plain = false;
    quint64 m_cards = 0;
    quint64 m_limitedCards = 0;
    quint32 m_latestCodes[16];
};

/**
 * The suits of @p lanes holding five cards or more, as bit 4 of their lane
 * (bit 16 * suit + 4).
 */
inline quint64 flushLanes(quint64 lanes)
{
    // Each lane's count, qPopulationCount(lane), summed in ever wider fields:
    lanes -= (lanes >> 1) & 0x5555555555555555u; // two bits: bit 2i + bit 2i+1
    lanes = (lanes & 0x3333333333333333u) + ((lanes >> 2) & 0x3333333333333333u); // four bits
    lanes = (lanes + (lanes >> 4)) & 0x0f0f0f0f0f0f0f0fu; // eight bits
    const quint64 counts = (lanes + (lanes >> 8)) & 0x001f001f001f001fu; // sixteen bits: the lane's count
    // count + 11 reaches 16 (bit 4) exactly when count >= 5; counts are at most 13.
    return (counts + 0x000b000b000b000bu) & 0x0010001000100010u;
}

} // namespace HandEvaluation
} // namespace Marrowick

#endif
