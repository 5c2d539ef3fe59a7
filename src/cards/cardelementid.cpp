#include "card.h"

namespace Marrowick {

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

} // namespace Marrowick
