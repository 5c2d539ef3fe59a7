#include "flycardstep.h"

#include "tablewidget.h"

#include <utility>

FlyCardStep::FlyCardStep(TableWidget *table, CardPlace place, std::function<Marrowick::Card()> takeCard,
                         QObject *parent)
    : Command(parent)
    , m_table(table)
    , m_place(place)
    , m_takeCard(std::move(takeCard))
{
    m_animation.setStartValue(0.0);
    m_animation.setEndValue(1.0);
    m_animation.setDuration(duration);
    connect(&m_animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { m_table->setCardProgress(m_card, value.toReal()); });
    connect(&m_animation, &QVariantAnimation::finished, this, &FlyCardStep::landed);
}

void FlyCardStep::exec()
{
    Q_EMIT start(this);
    m_card = m_table->addCard(m_takeCard(), m_place);
    m_animation.start();
}

void FlyCardStep::finish()
{
    if (m_animation.state() != QAbstractAnimation::Running)
        return;
    // Stopping does not emit finished(): land the card here.
    m_animation.stop();
    landed();
}

void FlyCardStep::landed()
{
    m_table->setCardProgress(m_card, 1);
    Q_EMIT done(this);
}
