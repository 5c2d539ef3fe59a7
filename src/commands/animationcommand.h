#ifndef MARROWICK_ANIMATIONCOMMAND_H
#define MARROWICK_ANIMATIONCOMMAND_H

#include "command.h"
#include "marrowick_export.h"

#include <QtCore/QPointer>

QT_BEGIN_NAMESPACE
class QAbstractAnimation;
QT_END_NAMESPACE

namespace Marrowick {

/**
 * Plays one QAbstractAnimation as a command: exec() starts the animation and
 * done() follows when it has stopped. Any animation works, a
 * QPropertyAnimation that moves a card as well as a whole
 * QSequentialAnimationGroup.
 *
 * @code
 * auto move = new QPropertyAnimation(cardItem, "pos");
 * move->setEndValue(QPointF(100, 300));
 * move->setDuration(400);
 *
 * auto deal = new Marrowick::CompositeCommand;
 * deal->addCommand(new Marrowick::AnimationCommand(move));   // owns the animation
 * deal->addCommand(new Marrowick::AnimationCommand(flip));
 * deal->exec();
 * // A click-through: every card lands at once, also those not started yet.
 * deal->finish();
 * @endcode
 *
 * finish() brings the animation to its end state, whatever its state: a
 * running or paused animation jumps to its end, one that has not started is
 * started and jumps to its end at once, so that a QPropertyAnimation takes
 * its start value as usual and leaves its property at the end value. "End" is
 * the end of the last loop for an animation running forward and time 0 for
 * one running backward. An animation without an end (an endless loop, or an
 * undetermined duration) is stopped where it is instead.
 *
 * Signals: exec() emits start(), then starts the animation; done() follows
 * once, when the animation stops, whether it reached its end, was stopped by
 * the game, was deleted, or was brought to its end by finish(). An animation
 * that is over at once (duration 0) or a deleted one gives done() before
 * exec() returns. Pausing the animation pauses the command: done() waits
 * until it has resumed and ended, as in Qt's animation groups. exec() during
 * a run changes nothing, like QAbstractAnimation::start() on a running
 * animation; after done(), exec() plays the animation again from its start.
 * finish() outside a run still moves the animation to its end but emits
 * nothing. After finish() the command is safe to delete.
 *
 * Ownership: with @c ownsAnimation set (the default) the command deletes the
 * animation in its destructor; otherwise the game does. The command never
 * becomes the animation's QObject parent, and it notices when the animation
 * is deleted elsewhere. The animation must not belong to a
 * QAnimationGroup: play the group instead.
 *
 * Threading: the game's thread only; the animation must live on it too.
 */
class MARROWICK_EXPORT AnimationCommand : public Command
{
    Q_OBJECT

public:
    /**
     * A command that plays @p animation; a null animation makes a command
     * that is done at once. With @p ownsAnimation set the command deletes the
     * animation when it is destroyed; @p parent is its QObject parent.
     */
    explicit AnimationCommand(QAbstractAnimation *animation, bool ownsAnimation = true, QObject *parent = nullptr);
    /// Deletes the animation when the command owns it; done() is not emitted then.
    ~AnimationCommand() override;

    /// The animation, or null once it has been deleted.
    QAbstractAnimation *animation() const;

    /// Emits start() and starts the animation; done() follows when it stops. Nothing during a run.
    void exec() override;
    /// Brings the animation to its end state; during a run, done() follows before this returns.
    void finish() override;

private:
    void animationStopped();

    QPointer<QAbstractAnimation> m_animation;
    bool m_ownsAnimation;
    bool m_running = false;
};

} // namespace Marrowick

#endif
