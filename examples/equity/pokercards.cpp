#include "pokercards.h"

#include <marrowick/card.h>

using Marrowick::Card;

namespace PokerCards {

namespace {

const QString ranks = QStringLiteral("A23456789TJQK");
const QString suits = QStringLiteral("cdhs");

int rankOf(QChar c)
{
    return ranks.indexOf(c.toUpper());
}

int suitOf(QChar c)
{
    return suits.indexOf(c.toLower());
}

} // namespace

bool parse(const QString &text, QByteArray *codes, QString *error)
{
    codes->clear();
    if (text.size() % 2 != 0) {
        *error = QStringLiteral("\"") + text + QStringLiteral("\" is not a list of two-character cards");
        return false;
    }
    for (int i = 0; i < text.size(); i += 2) {
        const QChar first = text.at(i);
        const QChar second = text.at(i + 1);
        int value = rankOf(first);
        int suit = suitOf(second);
        if (value < 0 || suit < 0) {
            value = rankOf(second);
            suit = suitOf(first);
        }
        if (value < 0 || suit < 0) {
            *error = QStringLiteral("\"") + text.mid(i, 2) + QStringLiteral("\" in \"") + text +
                QStringLiteral("\" is no card: write a rank and a suit, as Ah or hA");
            return false;
        }
        codes->append(Card(Card::Suit(Card::Clubs + suit), char(value)).toEncodedChar());
    }
    return true;
}

QString rankFirst(const QByteArray &codes)
{
    QString text;
    for (char code : codes) {
        const Card card = Card::fromEncodedChar(code);
        text += ranks.at(card.value());
        text += suits.at(card.suit() - Card::Clubs);
    }
    return text;
}

} // namespace PokerCards
