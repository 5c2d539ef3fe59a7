#ifndef MARROWICK_TABLE_TABLEWINDOW_H
#define MARROWICK_TABLE_TABLEWINDOW_H

#include "dealchain.h"
#include "showdown.h"
#include "tablelayout.h"

#include <QtWidgets/QWidget>

#include <functional>

namespace Marrowick {
class CardDeck;
class EquityCalculator;
} // namespace Marrowick
class TableWidget;

QT_BEGIN_NAMESPACE
class QLabel;
class QPushButton;
QT_END_NAMESPACE

// The card table window: deals hold'em hands as chains of commands, every
// card flying into place, shows each player's chance as the board comes and
// then the showdown. The Deal button deals again.
class TableWindow : public QWidget, private DealSteps
{
    Q_OBJECT

public:
    TableWindow(Marrowick::CardDeck *deck, int players, quint32 seed, QWidget *parent = nullptr);

    // Clears the table and starts the next deal; dealFinished() follows after the showdown.
    void deal();

    const Deal &lastDeal() const { return m_deal; }
    const ShowdownResult &lastResult() const { return m_result; }

Q_SIGNALS:
    void dealFinished();

private:
    Marrowick::Command *holeCards(int player) override;
    Marrowick::Command *board(Street street) override;
    Marrowick::Command *showdown() override;

    // One card flying from the deck to @p place and turning face up; @p dealtCard names it when it starts.
    Marrowick::Command *flyCard(CardPlace place, std::function<Marrowick::Card()> dealtCard);
    void dealDone(Marrowick::Command *chain);
    // Works out every player's chance with the cards out so far, in the background, and shows it when known.
    void startOdds();
    // Drops the calculation under way, if any; its result is never shown.
    void stopOdds();

    quint32 m_seed;
    Deal m_deal;
    int m_deals = 0;
    ShowdownResult m_result;
    int m_handsOut = 0; ///< players whose hole cards have both flown in
    Marrowick::EquityCalculator *m_odds = nullptr; ///< the calculation whose result the table waits for
    TableWidget *m_table;
    QPushButton *m_dealButton;
    QLabel *m_status;
};

#endif
