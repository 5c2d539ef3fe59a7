#ifndef MARROWICK_EVALHAND_H
#define MARROWICK_EVALHAND_H

#include "marrowick_export.h"

// Complete types: a host calls Evaluate() and typeName() with nothing else included.
#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace Marrowick {

/**
 * Finds the best five-card poker hand in a pool of cards and reports its
 * category, a packed value that orders hands by strength, its kickers and,
 * on request, its five cards.
 *
 * The pool is given as two byte arrays of card codes (Card::toEncodedChar,
 * 1 to 52 for the real cards). Cards of the first array may be used freely;
 * of the second array a hand must use between @c minLimited and
 * @c maxLimited cards, both inclusive.
 *
 * @code
 * EvalHand evaluator;
 * int value = 0;
 * EvalHand::handType type = EvalHand::HighCard;
 * QByteArray kickers;
 * QByteArray five;
 * // Omaha: exactly two of the four hole cards with three of the board.
 * if (evaluator.Evaluate(board, holeCards, 2, 2, value, type, kickers, &five))
 *     qDebug() << EvalHand::typeName(type) << Card::fromByteArray(five);
 * @endcode
 *
 * Higher values are stronger hands; equal values are equally strong. The
 * value holds the category in bits 24 to 31 and the ranks of the five cards
 * (2 to 14, the ace high) in the 4-bit fields from bit 20 down to bit 4, in
 * the order of the reported cards. The reported cards come grouped: the four,
 * three or two cards of a kind first (the higher pair first for two pairs),
 * the other cards by falling rank, and the ace of a five-high straight last.
 * Of several equally strong hands the one reported is the last in the
 * lexicographic order of the cards' positions in the pool (the first array,
 * then the second): the one whose earliest card comes latest, then its second
 * earliest, and so on.
 *
 * Evaluate keeps nothing from one call to the next, so one object serves any
 * number of calls, a const evaluator serves as well, and copies are
 * independent. Once the caller's kickers and
 * card arrays have held a result, reusing them makes Evaluate allocate
 * nothing. An object must not be used by two threads at once; distinct
 * objects may.
 */
class MARROWICK_EXPORT EvalHand
{
public:
    /// Hand categories, weakest first; the number is the top byte of the packed value.
    enum handType : int {
        HighCard = 0, ///< none of the below
        Pair = 1, ///< two cards of one rank
        TwoPair = 2, ///< two cards of one rank and two of another
        ThreeOfAKind = 3, ///< three cards of one rank
        Straight = 4, ///< five ranks in sequence, the ace high or low
        Flush = 5, ///< five cards of one suit
        FullHouse = 6, ///< three cards of one rank and two of another
        FourOfAKind = 7, ///< four cards of one rank
        StraightFlush = 8, ///< a straight in one suit
        RoyalFlush = 9 ///< ace, king, queen, jack and ten of one suit
    };

    /// An evaluator.
    EvalHand();
    /// A copy of @p other; evaluators keep no state between calls.
    EvalHand(const EvalHand &other);
    /// Makes this evaluator a copy of @p other.
    EvalHand &operator=(const EvalHand &other);
    ~EvalHand();

    /**
     * Finds the best hand of five cards taken from @p cards and
     * @p limitedCards together, using between @p minLimited and
     * @p maxLimited cards of @p limitedCards.
     *
     * On success writes the hand's packed @p value, its @p type, its kickers
     * (the codes of the cards that only break ties: none for a straight,
     * flush or full house, one for four of a kind and two pairs, two for three
     * of a kind, three for a pair, the four lower cards of a high-card hand)
     * into @p kickers, replacing its content, and, when @p bestCards is not
     * null, the codes of the five cards into @p bestCards, again replacing its
     * content. Codes are reported as the very bytes that were passed in.
     *
     * Returns false, touching no output, when the arrays hold fewer than five
     * cards together, when no hand fits the window, or when a byte is no card
     * code at all: a byte from 57 to 127 decodes beyond the king. Other bytes
     * take part as Card::fromEncodedChar decodes them: 0, -1 and -2 as aces
     * of suits no real card has, 53 to 56 as aces; bytes from -3 down rank below
     * the two and are never counted in a group nor reported as kickers. A
     * repeated byte counts as two cards.
     *
     * Cost: for distinct real cards (codes 1 to 52, none repeated) a call
     * costs about as much as reading its arguments, whatever their number and
     * the window. Any other pool costs time linear in its size plus a search
     * with a bound that does not grow with the size (of cards alike in suit,
     * rank and array, five at most count): a few milliseconds at most in
     * every pool measured, under one when every hand the window allows takes
     * a byte from -7 down (a card ranked below zero).
     */
    bool Evaluate(QByteArray cards, QByteArray limitedCards, int minLimited, int maxLimited, int &value, handType &type,
                  QByteArray &kickers, QByteArray *bestCards = nullptr) const;

    /// The category's name for display ("Royal flush", "Pair"...), an empty string for any other number.
    static QString typeName(handType type);
};

} // namespace Marrowick

#endif
