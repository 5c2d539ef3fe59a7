#ifndef MARROWICK_EXAMPLES_DEALREPORT_H
#define MARROWICK_EXAMPLES_DEALREPORT_H

#include <QtCore/qglobal.h>

class Deal;
struct ShowdownResult;

QT_BEGIN_NAMESPACE
class QTextStream;
QT_END_NAMESPACE

// Prints one deal: the board, then each player's hole cards, best hand, its
// five cards and kickers, then the winner or the players who split the pot.
void printDeal(QTextStream &out, const Deal &deal, const ShowdownResult &result);

#endif
