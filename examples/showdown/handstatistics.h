#ifndef MARROWICK_SHOWDOWN_HANDSTATISTICS_H
#define MARROWICK_SHOWDOWN_HANDSTATISTICS_H

#include <QtCore/QVector>

struct ShowdownResult;

QT_BEGIN_NAMESPACE
class QTextStream;
QT_END_NAMESPACE

// Counts over many deals: how often each category was a player's best hand,
// and each player's share of the pots.
class HandStatistics
{
public:
    explicit HandStatistics(int players);

    void add(const ShowdownResult &result);

    // The counts beside the exact chance of each category among all 7-card
    // hands, when @p withExactOdds (hold'em with nothing fixed); then the pot
    // shares and the speed.
    void print(QTextStream &out, bool withExactOdds, double seconds) const;

private:
    QVector<qint64> m_categories;
    QVector<double> m_potShares;
    qint64 m_deals = 0;
};

#endif
