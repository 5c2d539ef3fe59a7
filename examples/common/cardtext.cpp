#include "cardtext.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QStringList>

using Marrowick::Card;

namespace CardText {

bool parseCards(const QString &text, QVector<Card> *cards, QString *error)
{
    cards->clear();
    const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        bool ok = false;
        const Card card = Card::fromString(word, &ok);
        // fromString also reads card backs and jokers ("bA", "jA"), which no poker hand holds.
        if (!ok || card.suit() < Card::Clubs) {
            *error =
                QStringLiteral("unknown card \"") + word + QStringLiteral("\" (cards are written like sA, hT, d7, cK)");
            return false;
        }
        cards->append(card);
    }
    return true;
}

bool parseHands(const QString &text, QVector<QVector<Card>> *hands, QString *error)
{
    hands->clear();
    const QStringList parts = text.split(QLatin1Char(','));
    for (const QString &part : parts) {
        QVector<Card> hand;
        if (!parseCards(part, &hand, error))
            return false;
        hands->append(hand);
    }
    return true;
}

QString format(const QVector<Card> &cards)
{
    QStringList words;
    for (const Card &card : cards)
        words.append(card.toString());
    return words.join(QLatin1Char(' '));
}

QString formatCodes(const QByteArray &codes)
{
    return format(Card::fromByteArray(codes));
}

} // namespace CardText
