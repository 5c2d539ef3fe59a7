#include "card.h"

#include "logging_p.h"

#include <QtCore/QByteArray>
#include <QtCore/QDebug>
#include <QtCore/QHash>

namespace Marrowick {

namespace {

const char suitCodes[] = {'b', 'j', 'c', 'd', 'h', 's'};
const int suitCount = int(sizeof suitCodes);

// Indexed by value + 1, so that -1 (no value) has the code '?'.
const char valueCodes[] = {'?', 'A', '2', '3', '4', '5', '6', '7', '8', '9', 'T', 'J', 'Q', 'K'};
const int lowestValue = -1;
const int highestValue = 12;

// The character readers work on one Latin-1 byte; anything beyond Latin-1
// counts as byte 0, which is no code at all.
uchar latin1Byte(QChar code)
{
    return code.unicode() > 0xff ? 0 : uchar(code.unicode());
}

int suitOfCode(uchar byte)
{
    for (int suit = 0; suit < suitCount; ++suit) {
        if (suitCodes[suit] == char(byte))
            return suit;
    }
    return -1;
}

// Only the thirteen real values: '?' is written for an invalid card but never read.
int valueOfCode(uchar byte)
{
    for (int value = 0; value <= highestValue; ++value) {
        if (valueCodes[value + 1] == char(byte))
            return value;
    }
    return -1;
}

// Bad numbers and suit codes end the process, whatever the logging rules
// say; the message still names the category, as the warnings do.
Q_NORETURN void fatal(const char *format, int argument)
{
    QMessageLogger(nullptr, 0, nullptr, lcCards().categoryName()).fatal(format, argument);
}

bool hasSuitCode(int suit)
{
    return suit >= 0 && suit < suitCount;
}

bool hasValueCode(int value)
{
    return value >= lowestValue && value <= highestValue;
}

} // namespace

Card::Card()
    : m_suit(Back)
    , m_value(-1)
{ }

Card::Card(Suit suit, char value)
    : m_suit(suit)
    , m_value(qint8(value))
{ }

Card::Card(const QString &text)
    : m_suit(Back)
    , m_value(-1)
{
    if (text.size() != 2)
        return;
    m_suit = charToSuit(text.at(0));
    m_value = qint8(charToValue(text.at(1)));
}

bool Card::isValid() const
{
    return m_value != -1;
}

Card::Suit Card::suit() const
{
    return m_suit;
}

void Card::setSuit(Suit suit)
{
    m_suit = suit;
}

char Card::value() const
{
    return char(m_value);
}

void Card::setValue(char value)
{
    m_value = qint8(value);
}

QChar Card::suitToChar(Suit suit)
{
    if (!hasSuitCode(suit)) {
        fatal("Card::suitToChar( %d ): Illegal suit!", int(suit));
        return QLatin1Char(' ');
    }
    return QLatin1Char(suitCodes[suit]);
}

Card::Suit Card::charToSuit(QChar code)
{
    const uchar byte = latin1Byte(code);
    const int suit = suitOfCode(byte);
    if (suit < 0) {
        // The message names suitToChar: hosts that filter on it see the same text for both.
        fatal("Card::suitToChar( %c ): Illegal suit!", byte);
        return Back;
    }
    return Suit(suit);
}

QChar Card::valueToChar(char value)
{
    const int number = static_cast<signed char>(value);
    if (!hasValueCode(number)) {
        fatal("Card::valueToChar( %d ): Illegal value!", number);
        return QLatin1Char(' ');
    }
    return QLatin1Char(valueCodes[number + 1]);
}

char Card::charToValue(QChar code)
{
    const uchar byte = latin1Byte(code);
    const int value = valueOfCode(byte);
    if (value < 0)
        qCWarning(lcCards, "Card::charToValue( %c ): Illegal value!", byte);
    return char(value);
}

char Card::toEncodedChar() const
{
    if (m_value == -1)
        return -1;
    if (m_suit == Back)
        return 0;
    // Unsigned arithmetic: out-of-range suits and values wrap instead of overflowing,
    // and only the low 8 bits are kept anyway.
    const unsigned code = unsigned(m_suit) + 4u * unsigned(m_value) - 1u;
    return static_cast<char>(static_cast<uchar>(code));
}

Card Card::fromEncodedChar(char code)
{
    const int signedCode = static_cast<signed char>(code);
    if (signedCode == 0)
        return Card(Back, 0);
    // C++ division truncates toward zero and the remainder takes the sign of
    // the dividend: negative codes land on the suits below Clubs.
    const int n = signedCode - 1;
    return Card(Suit(Clubs + n % 4), char(n / 4));
}

QString Card::toString() const
{
    if (!hasSuitCode(m_suit) || m_value < 0 || m_value > highestValue)
        return QString();
    return QString(suitToChar(m_suit)) + valueToChar(m_value);
}

Card Card::fromString(const QString &text, bool *ok)
{
    const int suit = text.size() == 2 ? suitOfCode(latin1Byte(text.at(0))) : -1;
    const int value = text.size() == 2 ? valueOfCode(latin1Byte(text.at(1))) : -1;
    const bool readable = suit >= 0 && value >= 0;
    if (ok)
        *ok = readable;
    return readable ? Card(Suit(suit), char(value)) : Card();
}

HashValue qHash(const Card &card, HashValue seed) noexcept
{
    const quint64 key = (quint64(uint(card.suit())) << 8) | uchar(card.value());
    return ::qHash(key, seed);
}

QDebug operator<<(QDebug debug, const Card &card)
{
    const QDebugStateSaver saver(debug);
    debug.nospace().noquote() << "Card(";
    const int value = static_cast<signed char>(card.value());
    if (hasSuitCode(card.suit()) && hasValueCode(value))
        debug << Card::suitToChar(card.suit()) << Card::valueToChar(card.value());
    else
        debug << int(card.suit()) << ", " << value;
    debug << ')';
    return debug;
}

namespace {

// The element names of a deck's picture document. Built once, at the first
// call, and then shared by every name handed out.
struct ElementNames
{
    const QString back = QStringLiteral("Card_Back");
    const QString joker = QStringLiteral("Joker");
    const QString suits[4] = {QStringLiteral("Clubs"), QStringLiteral("Diamonds"), QStringLiteral("Hearts"),
                              QStringLiteral("Spades")};
};

const ElementNames &elementNames()
{
    static const ElementNames names;
    return names;
}

} // namespace

QString Card::elementId() const
{
    if (m_value == -1)
        return QString();

    const ElementNames &names = elementNames();
    if (m_suit == Back)
        return names.back;
    if (m_suit == Joker)
        return names.joker;

    // A suit number outside the table has no suit name and adds nothing.
    const QString suitName = m_suit >= Clubs && m_suit <= Spades ? names.suits[m_suit - Clubs] : QString();
    const int value = static_cast<signed char>(m_value);
    switch (value) {
    case 0:
        return QLatin1String("Ace_") + suitName;
    case 9:
        return QLatin1String("_x31_0_") + suitName;
    case 10:
        return QLatin1String("Jack_") + suitName;
    case 11:
        return QLatin1String("Queen_") + suitName;
    case 12:
        return QLatin1String("King_") + suitName;
    default:
        break;
    }
    if (value >= 1 && value <= 8) {
        // The numeral's first digit is written as its character code, "_x3" digit "_",
        // because element names may not begin with a digit.
        return QLatin1String("_x3") + QLatin1Char(char('0' + value + 1)) + QLatin1String("__") + suitName;
    }
    return QString();
}

QByteArray Card::toByteArray(const QVector<Card> &cards)
{
    QByteArray bytes;
    bytes.reserve(cards.size());
    for (const Card &card : cards)
        bytes.append(card.toEncodedChar());
    return bytes;
}

QVector<Card> Card::fromByteArray(const QByteArray &bytes)
{
    QVector<Card> cards(bytes.size());
    for (int i = 0; i < bytes.size(); ++i)
        cards[i] = fromEncodedChar(bytes.at(i));
    return cards;
}

} // namespace Marrowick
