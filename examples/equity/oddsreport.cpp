#include "oddsreport.h"

#include "pokercards.h"

using Marrowick::EquityResult;
using Marrowick::PlayerEquity;

namespace {

QString percent(double share)
{
    return QString::number(100 * share, 'f', 2) + QLatin1Char('%');
}

QString fraction(double share)
{
    return QString::number(share, 'f', 6);
}

QString runText(const EquitySetup &setup, const EquityResult &result)
{
    QString text = gameRules(setup.game).name + QStringLiteral(", ");
    if (result.exact)
        text += QStringLiteral("every board: ") + QString::number(result.boards) + QStringLiteral(" boards");
    else
        text += QString::number(result.boards) + QStringLiteral(" random boards (seed ") + QString::number(setup.seed) +
            QStringLiteral(")");
    return text + QStringLiteral(" in ") + QString::number(result.seconds, 'f', 3) + QStringLiteral(" s\n");
}

} // namespace

QString oddsTable(const EquitySetup &setup, const EquityResult &result)
{
    QString text = runText(setup, result);
    if (!setup.board.isEmpty())
        text += QStringLiteral("Board ") + PokerCards::rankFirst(setup.board) + QLatin1Char('\n');
    if (!setup.dead.isEmpty())
        text += QStringLiteral("Dead  ") + PokerCards::rankFirst(setup.dead) + QLatin1Char('\n');
    const int handWidth = qMax(4, 2 * setup.hands.first().size());
    text += QStringLiteral("\nPlayer  ") + QStringLiteral("Hand").leftJustified(handWidth) +
        QStringLiteral("      Win      Tie   Equity\n");
    for (int p = 0; p < result.players.size(); ++p) {
        const PlayerEquity &player = result.players.at(p);
        text += QString::number(p + 1).leftJustified(8) +
            PokerCards::rankFirst(setup.hands.at(p)).leftJustified(handWidth) + percent(player.win).rightJustified(9) +
            percent(player.tie).rightJustified(9) + percent(player.equity).rightJustified(9) + QLatin1Char('\n');
    }
    if (!result.exact)
        text += QStringLiteral("\nStandard error of the equities: at most ") + percent(result.standardError) +
            QLatin1Char('\n');
    return text;
}

QString oddsTsv(const EquitySetup &setup, const EquityResult &result)
{
    QString text = QStringLiteral("player\thand\twin\ttie\tequity\n");
    for (int p = 0; p < result.players.size(); ++p) {
        const PlayerEquity &player = result.players.at(p);
        text += QString::number(p + 1) + QLatin1Char('\t') + PokerCards::rankFirst(setup.hands.at(p)) +
            QLatin1Char('\t') + fraction(player.win) + QLatin1Char('\t') + fraction(player.tie) + QLatin1Char('\t') +
            fraction(player.equity) + QLatin1Char('\n');
    }
    text += QStringLiteral("boards\t") + QString::number(result.boards) + QLatin1Char('\n');
    text += QStringLiteral("seconds\t") + QString::number(result.seconds, 'f', 3) + QLatin1Char('\n');
    return text;
}
