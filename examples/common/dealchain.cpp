#include "dealchain.h"

#include <marrowick/compositecommand.h>
#include <marrowick/parallelcommand.h>

using Marrowick::CompositeCommand;
using Marrowick::ParallelCommand;

CompositeCommand *makeDealChain(int players, DealSteps &steps, QObject *parent)
{
    auto *holeCards = new ParallelCommand(true);
    for (int player = 0; player < players; ++player)
        holeCards->addCommand(steps.holeCards(player));

    auto *chain = new CompositeCommand(true, parent);
    chain->addCommand(holeCards);
    for (Street street : {Street::Flop, Street::Turn, Street::River})
        chain->addCommand(steps.board(street));
    chain->addCommand(steps.showdown());
    return chain;
}
