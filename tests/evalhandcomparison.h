#ifndef MARROWICK_TESTS_EVALHANDCOMPARISON_H
#define MARROWICK_TESTS_EVALHANDCOMPARISON_H

#include "evalhandinputs.h"
#include "evalhandmodel.h"

#include <marrowick/evalhand.h>

#include <QtCore/QString>

// Runs the library's evaluator and the reference model on the same inputs and
// reports any difference in what a caller sees. The library's evaluator
// writes into output arrays reused from call to call, as a game would.
class EvalHandComparison
{
public:
    /// An empty string when every output agrees, else a description of the input and both outputs.
    QString compare(const EvalHandInput &input);

private:
    Marrowick::EvalHand evaluator;
    EvalHandModel model;
    int value = 0;
    Marrowick::EvalHand::handType type = Marrowick::EvalHand::HighCard;
    QByteArray kickers;
    QByteArray bestCards;
    unsigned calls = 0;
};

#endif
