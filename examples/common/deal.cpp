#include "deal.h"

#include <QtCore/QSet>

using Marrowick::Card;

namespace {

QString number(int n)
{
    return QString::number(n);
}

QString cards(int n)
{
    return number(n) + (n == 1 ? QStringLiteral(" card") : QStringLiteral(" cards"));
}

} // namespace

QString Deal::checkFixedCards(Game game, int players, const FixedCards &fixed)
{
    if (fixed.board.size() > boardSize)
        return QStringLiteral("the board has ") + cards(fixed.board.size()) + QStringLiteral(", at most ") +
            number(boardSize) + QStringLiteral(" are allowed");
    if (fixed.hands.size() > players)
        return number(fixed.hands.size()) + QStringLiteral(" hands given for ") + number(players) +
            QStringLiteral(" players");
    const GameRules rules = gameRules(game);
    for (int i = 0; i < fixed.hands.size(); ++i) {
        if (fixed.hands.at(i).size() != rules.holeCards)
            return QStringLiteral("hand ") + number(i + 1) + QStringLiteral(" has ") + cards(fixed.hands.at(i).size()) +
                QStringLiteral(", ") + rules.name + QStringLiteral(" hands have ") + number(rules.holeCards);
    }
    QVector<Card> given = fixed.board;
    for (const QVector<Card> &hand : fixed.hands)
        given += hand;
    QSet<Card> seen;
    for (const Card &card : qAsConst(given)) {
        if (seen.contains(card))
            return QStringLiteral("the card ") + card.toString() + QStringLiteral(" is given twice");
        seen.insert(card);
    }
    return QString();
}

Deal::Deal(Game game, int players, const FixedCards &fixed)
    : m_game(game)
    , m_fixed(fixed)
    , m_holeCards(players)
{ }

void Deal::shuffle()
{
    m_deck.reset();
    for (const Card &card : qAsConst(m_fixed.board))
        m_deck.remove(card);
    for (const QVector<Card> &hand : qAsConst(m_fixed.hands)) {
        for (const Card &card : hand)
            m_deck.remove(card);
    }
    m_deck.shuffle();

    for (QVector<Card> &hand : m_holeCards)
        hand.clear();
    m_board.clear();
}

QVector<Card> Deal::dealHoleCards(int player)
{
    QVector<Card> &hand = m_holeCards[player];
    if (player < m_fixed.hands.size()) {
        hand = m_fixed.hands.at(player);
    } else {
        hand.clear();
        for (int i = 0; i < gameRules(m_game).holeCards; ++i)
            hand.append(m_deck.deal());
    }
    return hand;
}

QVector<Card> Deal::dealBoard(Street street)
{
    const int count = street == Street::Flop ? 3 : 1;
    QVector<Card> cards;
    for (int i = 0; i < count; ++i) {
        const int position = m_board.size();
        const Card card = position < m_fixed.board.size() ? m_fixed.board.at(position) : m_deck.deal();
        m_board.append(card);
        cards.append(card);
    }
    return cards;
}
