#include "tablewindow.h"

#include "tablewidget.h"

#include <marrowick/animationcommand.h>
#include <marrowick/callcommand.h>
#include <marrowick/compositecommand.h>
#include <marrowick/equitycalculator.h>

#include <QtCore/QThread>
#include <QtCore/QVariantAnimation>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

#include <memory>
#include <utility>

using Marrowick::Card;
using Marrowick::Command;
using Marrowick::CompositeCommand;
using Marrowick::EquityCalculator;
using Marrowick::EquityResult;

namespace {

constexpr int flightMilliseconds = 480;

} // namespace

TableWindow::TableWindow(Marrowick::CardDeck *deck, int players, quint32 seed, QWidget *parent)
    : QWidget(parent)
    , m_seed(seed)
    , m_deal(Game::Holdem, players)
    , m_table(new TableWidget(deck, players))
    , m_dealButton(new QPushButton(QStringLiteral("&Deal")))
    , m_status(new QLabel)
{
    setWindowTitle(QStringLiteral("Marrowick table"));
    auto *bar = new QHBoxLayout;
    bar->addWidget(m_status, 1);
    bar->addWidget(m_dealButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(m_table, 1);
    layout->addLayout(bar);
    bar->setContentsMargins(12, 0, 12, 0);
    connect(m_dealButton, &QPushButton::clicked, this, &TableWindow::deal);
    m_deal.setSeed(seed);
}

void TableWindow::deal()
{
    m_dealButton->setEnabled(false);
    ++m_deals;
    m_status->setText(QStringLiteral("Texas hold'em, seed ") + QString::number(m_seed) + QStringLiteral(", deal ") +
                      QString::number(m_deals));
    stopOdds();
    m_table->clear();
    m_result = ShowdownResult();
    m_handsOut = 0;
    m_deal.shuffle();
    Command *chain = makeDealChain(m_deal, *this, this);
    connect(chain, &Command::done, this, &TableWindow::dealDone);
    chain->exec();
}

Command *TableWindow::holeCards(int player)
{
    // The player's two cards one after the other; all players at once.
    auto *cards = new CompositeCommand(true);
    cards->addCommand(flyCard({player, 0}, [this, player] { return m_deal.holeCards(player).at(0); }));
    cards->addCommand(flyCard({player, 1}, [this, player] {
        if (++m_handsOut == m_deal.players())
            startOdds();
        return m_deal.holeCards(player).at(1);
    }));
    return cards;
}

Command *TableWindow::board(Street street)
{
    const int first = street == Street::Flop ? 0 : street == Street::Turn ? 3 : 4;
    const int count = street == Street::Flop ? 3 : 1;
    auto *cards = new CompositeCommand(true);
    for (int i = first; i < first + count; ++i) {
        cards->addCommand(flyCard({CardPlace::board, i}, [this, street, i, first] {
            if (i == first && street != Street::River)
                startOdds();
            return m_deal.board().at(i);
        }));
    }
    return cards;
}

Command *TableWindow::flyCard(CardPlace place, std::function<Card()> dealtCard)
{
    // The chain deals the cards before their flights start, and the flights
    // are made before that: each card is looked up when its flight starts.
    auto card = std::make_shared<int>(-1);
    auto *flight = new QVariantAnimation;
    flight->setStartValue(0.0);
    flight->setEndValue(1.0);
    flight->setDuration(flightMilliseconds);
    connect(flight, &QVariantAnimation::valueChanged, m_table, [this, card](const QVariant &progress) {
        if (*card >= 0)
            m_table->setCardProgress(*card, progress.toReal());
    });

    auto *step = new CompositeCommand(true);
    step->addCommand(new Marrowick::CallCommand(
        [this, card, place, dealtCard = std::move(dealtCard)] { *card = m_table->addCard(dealtCard(), place); }));
    step->addCommand(new Marrowick::AnimationCommand(flight));
    return step;
}

Command *TableWindow::showdown()
{
    return new Marrowick::CallCommand([this] {
        stopOdds();
        m_result = evaluateShowdown(m_deal);
        m_table->showResult(m_result);
    });
}

void TableWindow::startOdds()
{
    stopOdds();
    auto *odds = new EquityCalculator(this);
    QList<QByteArray> holes;
    for (int player = 0; player < m_deal.players(); ++player)
        holes.append(Card::toByteArray(m_deal.holeCards(player)));
    odds->setPlayers(holes);
    odds->setBoard(Card::toByteArray(m_deal.board()));
    // A core stays free for the animation.
    odds->setThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    connect(odds, &EquityCalculator::finished, this, [this, odds](const EquityResult &result) {
        if (odds == m_odds && result.isValid()) {
            QVector<double> chances;
            for (const Marrowick::PlayerEquity &player : result.players)
                chances.append(player.equity);
            m_table->setChances(chances);
            m_odds = nullptr;
        }
        odds->deleteLater();
    });
    m_odds = odds;
    odds->start();
}

void TableWindow::stopOdds()
{
    // A dropped calculation still ends with finished(), which deletes it.
    if (m_odds)
        m_odds->cancel();
    m_odds = nullptr;
}

void TableWindow::dealDone(Command *chain)
{
    chain->deleteLater();
    m_dealButton->setEnabled(true);
    m_dealButton->setFocus();
    Q_EMIT dealFinished();
}
