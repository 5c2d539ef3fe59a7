#include "dealreport.h"

#include "cardtext.h"
#include "deal.h"
#include "showdown.h"

#include <QtCore/QTextStream>

using Marrowick::EvalHand;

namespace {

QString kickersText(const QByteArray &kickers)
{
    return kickers.isEmpty() ? QStringLiteral("-") : CardText::formatCodes(kickers);
}

} // namespace

void printDeal(QTextStream &out, const Deal &deal, const ShowdownResult &result)
{
    const int holeWidth = gameRules(deal.game()).holeCards * 3;
    out << qSetFieldWidth(10) << Qt::left << QStringLiteral("Board") << qSetFieldWidth(0)
        << CardText::format(deal.board()) << "\n\n";
    out << qSetFieldWidth(10) << QString() << qSetFieldWidth(holeWidth) << QStringLiteral("Hole") << qSetFieldWidth(17)
        << QStringLiteral("Best hand") << qSetFieldWidth(16) << QStringLiteral("Cards") << qSetFieldWidth(0)
        << QStringLiteral("Kickers") << '\n';
    for (int player = 0; player < deal.players(); ++player) {
        const PlayerHand &hand = result.hands.at(player);
        out << qSetFieldWidth(10) << playerName(player) << qSetFieldWidth(holeWidth)
            << CardText::format(deal.holeCards(player)) << qSetFieldWidth(17) << EvalHand::typeName(hand.type)
            << qSetFieldWidth(16) << CardText::formatCodes(hand.cards) << qSetFieldWidth(0) << kickersText(hand.kickers)
            << '\n';
    }
    out << '\n' << winnerLine(result) << '\n';
}
