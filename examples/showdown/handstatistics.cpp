#include "handstatistics.h"

#include "showdown.h"

#include <QtCore/QTextStream>

#include <algorithm>

using Marrowick::EvalHand;

namespace {

constexpr int categoryCount = EvalHand::RoyalFlush + 1;

// How many of the C(52, 7) = 133,784,560 seven-card hands have each category
// as their best five cards, from high card up to royal flush.
constexpr qint64 sevenCardHands[categoryCount] = {23294460, 58627800, 31433400, 6461620, 6180020,
                                                  4047644,  3473184,  224848,   37260,   4324};
constexpr qint64 allSevenCardHands = 133784560;

QString percent(double fraction)
{
    return QString::number(100 * fraction, 'f', 3) + QLatin1Char('%');
}

} // namespace

HandStatistics::HandStatistics(int players)
    : m_categories(categoryCount)
    , m_potShares(players)
{ }

void HandStatistics::add(const ShowdownResult &result)
{
    for (const PlayerHand &hand : result.hands)
        ++m_categories[hand.type];
    for (int winner : result.winners)
        m_potShares[winner] += 1.0 / result.winners.size();
    ++m_deals;
}

void HandStatistics::print(QTextStream &out, bool withExactOdds, double seconds) const
{
    const qint64 hands = m_deals * m_potShares.size();
    out << qSetFieldWidth(17) << Qt::left << QStringLiteral("Best hand") << Qt::right << qSetFieldWidth(10)
        << QStringLiteral("Count") << qSetFieldWidth(12) << QStringLiteral("Frequency");
    if (withExactOdds)
        out << qSetFieldWidth(16) << QStringLiteral("Exact (7 cards)");
    out << qSetFieldWidth(0) << '\n';
    for (int category = EvalHand::RoyalFlush; category >= EvalHand::HighCard; --category) {
        out << qSetFieldWidth(17) << Qt::left << EvalHand::typeName(EvalHand::handType(category)) << Qt::right
            << qSetFieldWidth(10) << m_categories.at(category) << qSetFieldWidth(12)
            << percent(double(m_categories.at(category)) / hands);
        if (withExactOdds)
            out << qSetFieldWidth(16) << percent(double(sevenCardHands[category]) / allSevenCardHands);
        out << qSetFieldWidth(0) << '\n';
    }
    out << "(" << hands << " hands: " << m_potShares.size() << " players in " << m_deals << " deals)\n\n";

    out << "Share of the pots (a split pot shared):\n";
    for (int player = 0; player < m_potShares.size(); ++player) {
        out << "  " << qSetFieldWidth(9) << Qt::left << playerName(player) << Qt::right << qSetFieldWidth(9)
            << percent(m_potShares.at(player) / m_deals) << qSetFieldWidth(0) << '\n';
    }
    out << '\n'
        << m_deals << " deals in " << QString::number(seconds, 'f', 2)
        << " s: " << QString::number(m_deals / std::max(seconds, 1e-9), 'f', 0) << " deals per second\n";
}
