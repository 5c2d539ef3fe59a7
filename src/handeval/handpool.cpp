#include "handpool.h"

namespace Marrowick {
namespace HandEvaluation {

namespace {

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

constexpr DecodingTable decodingTable;

} // namespace

DecodedCard decodeCard(char code)
{
    return decodingTable.cards[uchar(code)];
}

} // namespace HandEvaluation
} // namespace Marrowick
