#include "streetodds.h"

#include "deal.h"
#include "showdown.h"

#include <marrowick/equitycalculator.h>

#include <QtCore/QTextStream>

using Marrowick::Card;
using Marrowick::EquityCalculator;

StreetOdds exactOdds(const QString &street, const Deal &deal, int boardCards)
{
    EquityCalculator calculator;
    calculator.setGame(deal.game() == Game::Omaha ? EquityCalculator::Omaha : EquityCalculator::TexasHoldem);
    QList<QByteArray> holes;
    for (int player = 0; player < deal.players(); ++player)
        holes.append(Card::toByteArray(deal.holeCards(player)));
    calculator.setPlayers(holes);
    calculator.setBoard(Card::toByteArray(deal.board().mid(0, boardCards)));
    StreetOdds odds {street, {}};
    for (const Marrowick::PlayerEquity &player : calculator.calculate().players)
        odds.equities.append(player.equity);
    return odds;
}

void printOdds(QTextStream &out, const QVector<StreetOdds> &odds)
{
    if (odds.isEmpty())
        return;
    out << '\n' << qSetFieldWidth(10) << Qt::left << QStringLiteral("Equity") << Qt::right;
    for (int player = 0; player < odds.first().equities.size(); ++player)
        out << qSetFieldWidth(10) << playerName(player);
    out << qSetFieldWidth(0) << '\n';
    for (const StreetOdds &street : odds) {
        out << qSetFieldWidth(10) << Qt::left << street.street << Qt::right;
        for (double equity : street.equities)
            out << qSetFieldWidth(10) << QString::number(100 * equity, 'f', 2) + QLatin1Char('%');
        out << qSetFieldWidth(0) << '\n';
    }
    out << Qt::left;
}
