#include "showdownsession.h"

#include "dealreport.h"

#include <marrowick/compositecommand.h>

using Marrowick::Command;

ShowdownSession::ShowdownSession(const ShowdownSetup &setup, QObject *parent)
    : QObject(parent)
    , m_setup(setup)
    , m_deal(setup.game, setup.players, setup.fixed)
    , m_statistics(setup.players)
    , m_progress(QStringLiteral("Dealing"))
    , m_out(stdout)
{
    m_deal.setSeed(setup.seed);
}

void ShowdownSession::start()
{
    printHeading();
    m_clock.start();
    playDeal();
}

Command *ShowdownSession::holeCards(int)
{
    return nullptr;
}

Command *ShowdownSession::board(Street street)
{
    return makeDeferredStep([this, street] {
        // The odds before each street: preflop without the flop just dealt, and so on.
        static const QString before[] = {QStringLiteral("Preflop"), QStringLiteral("Flop"), QStringLiteral("Turn")};
        static const int boardBefore[] = {0, 3, 4};
        if (m_setup.odds)
            m_odds.append(exactOdds(before[int(street)], m_deal, boardBefore[int(street)]));
    });
}

Command *ShowdownSession::showdown()
{
    return makeDeferredStep([this] { m_result = evaluateShowdown(m_deal); });
}

void ShowdownSession::playDeal()
{
    m_deal.shuffle();
    m_odds.clear();
    Command *chain = makeDealChain(m_deal, *this, this);
    connect(chain, &Command::done, this, &ShowdownSession::dealDone);
    chain->exec();
}

void ShowdownSession::dealDone(Command *chain)
{
    // The chain is still emitting done: delete it once control is back in the event loop.
    chain->deleteLater();
    ++m_dealsPlayed;
    if (m_setup.deals == 1) {
        printDeal(m_out, m_deal, m_result);
        printOdds(m_out, m_odds);
    } else {
        m_statistics.add(m_result);
        m_progress.update(m_dealsPlayed, m_setup.deals);
    }

    if (m_dealsPlayed < m_setup.deals) {
        playDeal();
        return;
    }
    if (m_setup.deals > 1) {
        m_progress.clear();
        const bool exactOddsApply =
            m_setup.game == Game::Holdem && m_setup.fixed.board.isEmpty() && m_setup.fixed.hands.isEmpty();
        m_statistics.print(m_out, exactOddsApply, m_clock.nsecsElapsed() / 1e9);
    }
    m_out.flush();
    Q_EMIT finished();
}

void ShowdownSession::printHeading()
{
    m_out << gameRules(m_setup.game).name << ", " << m_setup.players << " players, seed " << m_setup.seed;
    if (m_setup.deals > 1)
        m_out << ", " << m_setup.deals << " deals";
    m_out << "\n\n";
}
