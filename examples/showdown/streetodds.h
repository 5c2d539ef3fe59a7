#ifndef MARROWICK_SHOWDOWN_STREETODDS_H
#define MARROWICK_SHOWDOWN_STREETODDS_H

#include <QtCore/QString>
#include <QtCore/QVector>

class Deal;

QT_BEGIN_NAMESPACE
class QTextStream;
QT_END_NAMESPACE

// Each player's exact share of the pot at one point of a deal, over every board that can still come.
struct StreetOdds
{
    QString street; ///< "Preflop", "Flop", "Turn"
    QVector<double> equities; ///< one a player
};

// The odds with the hole cards of @p deal and the first @p boardCards cards of its board.
StreetOdds exactOdds(const QString &street, const Deal &deal, int boardCards);

// A table: a row a street, a column a player, equities in percent.
void printOdds(QTextStream &out, const QVector<StreetOdds> &odds);

#endif
