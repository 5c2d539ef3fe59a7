#ifndef MARROWICK_CARD_H
#define MARROWICK_CARD_H

#include "marrowick_export.h"
#include "marrowick_qt.h"

#include <QtCore/QByteArray>
#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/QVector>

QT_BEGIN_NAMESPACE
class QDebug;
QT_END_NAMESPACE

namespace Marrowick {

/**
 * One playing card: a suit and a value (the rank, counted from the ace).
 *
 * Besides the 52 cards of the four suits a card can be a card back (a card
 * lying face down) or a joker. A card converts to and from three compact
 * forms: a one-character code per field, a two-character text (suit code then
 * value code, "sA" is the ace of spades) and a one-byte encoding, the form in
 * which lists of cards travel as byte arrays and reach the hand evaluator.
 *
 * @code
 * const Card ace(Card::Spades, 0);
 * const char code = ace.toEncodedChar();            // 4
 * const Card same = Card::fromEncodedChar(code);    // Spades, 0
 * const QByteArray hand = Card::toByteArray({ace, Card(QStringLiteral("hK"))});
 * svgRenderer.render(&painter, ace.elementId());    // "Ace_Spades"
 * @endcode
 *
 * Values run from 0 (ace) through 1 to 8 (two to nine), 9 (ten), 10 (jack),
 * 11 (queen) to 12 (king); -1 means no value and makes the card invalid. The
 * ace is low; code that ranks it above the king maps it itself.
 *
 * Nothing is checked on store: constructors, setters and the byte decoding
 * accept any number. Only the character code conversions react to numbers
 * outside their tables, through Qt's message handler in the logging category
 * "marrowick.cards": an illegal suit or value number and an illegal suit
 * character are fatal, whatever the logging rules say, an illegal value
 * character is a warning. Use fromString() to read text a user typed without
 * risking a fatal message.
 *
 * Card is a plain value without heap data, safe to use from any thread.
 */
class MARROWICK_EXPORT Card
{
public:
    /// The suits, with the numbers that the byte encoding builds on.
    enum Suit : int {
        Back = 0, ///< a card lying face down; suit code "b"
        Joker = 1, ///< suit code "j"
        Clubs = 2, ///< suit code "c"
        Diamonds = 3, ///< suit code "d"
        Hearts = 4, ///< suit code "h"
        Spades = 5 ///< suit code "s"
    };

    /// A card back without value: invalid.
    Card();
    /// A card of @p suit and @p value, stored as given without any test.
    Card(Suit suit, char value);
    /**
     * Reads the two-character text form, suit code first ("cA", "sT", "h9").
     * A text of any other length gives an invalid card back silently; a bad
     * suit character is a fatal message and a bad value character a warning
     * (the card then stays invalid). See fromString() for a silent reader.
     */
    explicit Card(const QString &text);

    /// True unless the value is -1; the suit takes no part in validity.
    bool isValid() const;

    /// The suit, whatever number was stored.
    Suit suit() const;
    /// Stores @p suit without any test.
    void setSuit(Suit suit);
    /**
     * The value: -1 for none, 0 for the ace up to 12 for the king. It is a
     * signed 8-bit number in a char, and char is unsigned on some platforms
     * (64-bit ARM, PowerPC): read it through static_cast<signed char> or
     * qint8 before comparing it with a negative number, or ask isValid().
     */
    char value() const;
    /// Stores @p value without any test; -1 makes the card invalid.
    void setValue(char value);

    /// Suit code of @p suit ('b', 'j', 'c', 'd', 'h', 's'); fatal for any other number, then ' '.
    static QChar suitToChar(Suit suit);
    /// Suit of a lower-case suit code; fatal for any other character, then Back.
    static Suit charToSuit(QChar code);
    /// Value code of @p value ('?', 'A', '2'..'9', 'T', 'J', 'Q', 'K'); fatal outside -1 to 12, then ' '.
    static QChar valueToChar(char value);
    /// Value of an upper-case value code; a warning for any other character ('?' too), then -1.
    static char charToValue(QChar code);

    /**
     * The one-byte encoding: -1 (0xFF) for an invalid card, 0 for a card back,
     * 4 × value + (suit − 2) + 1 otherwise, so 1 to 52 for the cards of the
     * four suits (1 the ace of clubs, 52 the king of spades).
     */
    char toEncodedChar() const;
    /**
     * The card of a one-byte encoding, the byte taken as signed: 0 is a card
     * back with value 0, any other byte c gives suit 2 + (c − 1) % 4 and value
     * (c − 1) / 4 with C++'s truncating division, so -1 also gives a card back.
     */
    static Card fromEncodedChar(char code);

    /**
     * Name of this card's element in a picture document of a whole deck:
     * "Card_Back", "Joker", "Ace_Spades", "_x32__Clubs" (the two of clubs),
     * "_x31_0_Hearts" (the ten of hearts), "King_Diamonds"... A null string for
     * a card without a picture (value -1 or above 12).
     */
    QString elementId() const;

    /// The encodings of @p cards, one byte per card in list order.
    static QByteArray toByteArray(const QVector<Card> &cards);
    /// The cards of a byte array of encodings, one card per byte.
    static QVector<Card> fromByteArray(const QByteArray &bytes);

    /**
     * The two-character text form ("sA") that Card(const QString &) reads
     * back; an empty string when the suit is outside 0 to 5 or the value
     * outside 0 to 12.
     */
    QString toString() const;
    /**
     * Reads the two-character text form without any message: text that is not
     * a suit code followed by a value code gives an invalid card and sets
     * @p ok to false. Meant for text a user typed.
     */
    static Card fromString(const QString &text, bool *ok = nullptr);

    /// Cards are equal when suit and value are.
    friend bool operator==(const Card &a, const Card &b) { return a.m_suit == b.m_suit && a.m_value == b.m_value; }
    friend bool operator!=(const Card &a, const Card &b) { return !(a == b); }

private:
    Suit m_suit;
    qint8 m_value; // signed on every platform, whatever char is
};

/// Hash of a card for QHash and QSet.
MARROWICK_EXPORT HashValue qHash(const Card &card, HashValue seed = 0) noexcept;

/// Prints the text form ("Card(sA)"), or the raw numbers where a code is missing; never fatal.
MARROWICK_EXPORT QDebug operator<<(QDebug debug, const Card &card);

} // namespace Marrowick

Q_DECLARE_TYPEINFO(Marrowick::Card, Q_MOVABLE_TYPE);
Q_DECLARE_METATYPE(Marrowick::Card)

#endif
