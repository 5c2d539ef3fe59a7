#include "dealchain.h"

#include <marrowick/callcommand.h>
#include <marrowick/compositecommand.h>
#include <marrowick/parallelcommand.h>
#include <marrowick/pausecommand.h>

#include <utility>

using Marrowick::CallCommand;
using Marrowick::CompositeCommand;
using Marrowick::ParallelCommand;

namespace {

void addStep(CompositeCommand *chain, Marrowick::Command *step)
{
    if (step)
        chain->addCommand(step);
}

} // namespace

CompositeCommand *makeDealChain(Deal &deal, DealSteps &steps, QObject *parent)
{
    auto *chain = new CompositeCommand(true, parent);
    chain->addCommand(new CallCommand([&deal] {
        for (int player = 0; player < deal.players(); ++player)
            deal.dealHoleCards(player);
    }));
    auto *holeCards = new ParallelCommand(true);
    for (int player = 0; player < deal.players(); ++player) {
        if (Marrowick::Command *step = steps.holeCards(player))
            holeCards->addCommand(step);
    }
    chain->addCommand(holeCards);
    for (Street street : {Street::Flop, Street::Turn, Street::River}) {
        chain->addCommand(new CallCommand([&deal, street] { deal.dealBoard(street); }));
        addStep(chain, steps.board(street));
    }
    addStep(chain, steps.showdown());
    return chain;
}

Marrowick::Command *makeDeferredStep(std::function<void()> work)
{
    auto *step = new CompositeCommand(true);
    step->addCommand(new Marrowick::PauseCommand(0));
    step->addCommand(new CallCommand(std::move(work)));
    return step;
}
