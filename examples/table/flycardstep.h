#ifndef MARROWICK_TABLE_FLYCARDSTEP_H
#define MARROWICK_TABLE_FLYCARDSTEP_H

#include "tablelayout.h"

#include <marrowick/card.h>
#include <marrowick/command.h>

#include <QtCore/QVariantAnimation>

#include <functional>

class TableWidget;

// One card of a deal: taken from the deck when the step starts, it flies to
// its place and turns face up; the step is done when the card lies there.
class FlyCardStep : public Marrowick::Command
{
    Q_OBJECT

public:
    static constexpr int duration = 480; // milliseconds

    FlyCardStep(TableWidget *table, CardPlace place, std::function<Marrowick::Card()> takeCard,
                QObject *parent = nullptr);

    void exec() override;
    // Puts a flying card in its place at once.
    void finish() override;

private:
    void landed();

    TableWidget *m_table;
    CardPlace m_place;
    std::function<Marrowick::Card()> m_takeCard;
    QVariantAnimation m_animation;
    int m_card = -1;
};

#endif
