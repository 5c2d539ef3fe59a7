#include "animationcommand.h"

#include <QtCore/QAbstractAnimation>

namespace Marrowick {

AnimationCommand::AnimationCommand(QAbstractAnimation *animation, bool ownsAnimation, QObject *parent)
    : Command(parent)
    , m_animation(animation)
    , m_ownsAnimation(ownsAnimation)
{
    if (!animation)
        return;
    // stateChanged rather than finished: an animation stopped by the game, or
    // deleted while it runs, never emits finished, and the run must still end.
    connect(animation, &QAbstractAnimation::stateChanged, this,
            [this](QAbstractAnimation::State newState) {
                if (newState == QAbstractAnimation::Stopped)
                    animationStopped();
            });
}

AnimationCommand::~AnimationCommand()
{
    if (!m_animation)
        return;
    // Deleting a running animation reports it stopped; a command half
    // destroyed must not answer with done().
    disconnect(m_animation, nullptr, this, nullptr);
    if (m_ownsAnimation)
        delete m_animation;
}

QAbstractAnimation *AnimationCommand::animation() const
{
    return m_animation;
}

void AnimationCommand::exec()
{
    if (m_running)
        return;
    m_running = true;
    Q_EMIT start(this);
    if (m_animation && m_animation->state() != QAbstractAnimation::Running)
        m_animation->start();
    else if (!m_animation)
        animationStopped();
}

void AnimationCommand::finish()
{
    QAbstractAnimation *animation = m_animation;
    if (!animation) {
        animationStopped();
        return;
    }
    const int total = animation->totalDuration();
    if (total < 0) {
        animation->stop();
        return;
    }
    // A QPropertyAnimation ignores time set while it is stopped: start it
    // first, which also reads the start values it was not given.
    if (animation->state() == QAbstractAnimation::Stopped)
        animation->start();
    // Reaching the end stops the animation, and done() follows from there;
    // the command may be gone after this call.
    if (animation->state() != QAbstractAnimation::Stopped)
        animation->setCurrentTime(animation->direction() == QAbstractAnimation::Forward ? total : 0);
}

void AnimationCommand::animationStopped()
{
    if (!m_running)
        return;
    m_running = false;
    Q_EMIT done(this);
}

} // namespace Marrowick
