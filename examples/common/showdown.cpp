#include "showdown.h"

#include "deal.h"

#include <QtCore/QStringList>

using Marrowick::Card;
using Marrowick::EvalHand;

QString playerName(int player)
{
    return QStringLiteral("Player ") + QString::number(player + 1);
}

QString winnerLine(const ShowdownResult &result)
{
    QStringList winners;
    for (int player : result.winners)
        winners.append(playerName(player));
    const QString category = EvalHand::typeName(result.hands.at(result.winners.first()).type);
    return (winners.size() == 1 ? QStringLiteral("Winner: ") : QStringLiteral("Split pot: ")) +
        winners.join(QStringLiteral(", ")) + QStringLiteral(" (") + category + QLatin1Char(')');
}

ShowdownResult evaluateShowdown(const Deal &deal)
{
    const GameRules rules = gameRules(deal.game());
    const QByteArray board = Card::toByteArray(deal.board());
    EvalHand evaluator;
    ShowdownResult result;
    result.hands.resize(deal.players());
    int best = 0;
    for (int player = 0; player < deal.players(); ++player) {
        PlayerHand &hand = result.hands[player];
        // Every player holds enough cards for a hand within the game's window, so this cannot fail.
        evaluator.Evaluate(board, Card::toByteArray(deal.holeCards(player)), rules.minFromHand, rules.maxFromHand,
                           hand.value, hand.type, hand.kickers, &hand.cards);
        if (player == 0 || hand.value > best) {
            best = hand.value;
            result.winners.clear();
        }
        if (hand.value == best)
            result.winners.append(player);
    }
    return result;
}
