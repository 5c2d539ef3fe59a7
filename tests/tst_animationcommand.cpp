#include "commandcontract.h"

#include <marrowick/animationcommand.h>

#include <QtCore/QPropertyAnimation>
#include <QtTest/QtTest>

#include <memory>

using Marrowick::AnimationCommand;
using Marrowick::Command;

namespace {

// A card position that a property animation moves from 3 (read when the
// animation starts, as it has no start value) to 10.
class Card : public QObject
{
public:
    Card() { setProperty("x", 3.0); }
    double x() const { return property("x").toDouble(); }
};

QPropertyAnimation *moveAnimation(Card *card, int duration)
{
    auto *animation = new QPropertyAnimation(card, "x");
    animation->setEndValue(10.0);
    animation->setDuration(duration);
    return animation;
}

} // namespace

class TestAnimationCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contract_data() { CommandContract::addDeferredRows(); }
    void contract()
    {
        CommandContract::check([this](QString *) { return new AnimationCommand(moveAnimation(&m_card, 10)); }, 20);
    }
    void endState_data();
    void endState();

private:
    Card m_card;
};

void TestAnimationCommand::endState_data()
{
    // x exec, f finish; the game's part: n keeps the animation, p pauses, r resumes, t stops, k deletes it;
    // before the run: b backward, e endless, z no duration, s short (10 ms instead of 1000)
    QTest::addColumn<QString>("script");
    QTest::addColumn<double>("x"); // where the card ends; -1 for anywhere
    QTest::addColumn<int>("dones");

    QTest::newRow("not started") << "f" << 10.0 << 0;
    QTest::newRow("running") << "xf" << 10.0 << 1;
    QTest::newRow("running, not owning") << "nxf" << 10.0 << 1;
    QTest::newRow("backward, not started") << "bf" << 3.0 << 0;
    QTest::newRow("endless, running") << "exf" << -1.0 << 1;
    QTest::newRow("no duration") << "zx" << 10.0 << 1;
    // Done waits for a paused animation as long as it is paused.
    QTest::newRow("paused, then resumed") << "sxpwrw" << 10.0 << 1;
    QTest::newRow("paused and waiting") << "sxpw" << -1.0 << 0;
    // However the animation ends, the run does.
    QTest::newRow("stopped by the game") << "xt" << -1.0 << 1;
    QTest::newRow("deleted by the game") << "xk" << 3.0 << 1;
    QTest::newRow("deleted before the run") << "kxf" << 3.0 << 1;
}

void TestAnimationCommand::endState()
{
    QFETCH(QString, script);
    QFETCH(double, x);
    QFETCH(int, dones);

    Card card;
    QPointer<QPropertyAnimation> animation = moveAnimation(&card, 1000);
    const bool owning = !script.contains(QLatin1Char('n'));
    auto command = std::make_unique<AnimationCommand>(animation, owning);
    QSignalSpy done(command.get(), &Command::done);
    for (const QChar step : qAsConst(script)) {
        switch (step.toLatin1()) {
        case 'x': command->exec(); break;
        case 'f': command->finish(); break;
        case 'p': animation->pause(); break;
        case 'r': animation->resume(); break;
        case 't': animation->stop(); break;
        case 'k': delete animation; break;
        case 'w': QTest::qWait(40); break;
        case 'b':
            animation->setDirection(QAbstractAnimation::Backward);
            animation->setStartValue(3.0); // a backward animation cannot read it
            break;
        case 'e': animation->setLoopCount(-1); break;
        case 'z': animation->setDuration(0); break;
        case 's': animation->setDuration(10); break;
        }
    }
    if (x >= 0)
        QCOMPARE(card.x(), x);
    QCOMPARE(done.count(), dones);
    QCOMPARE(command->animation(), animation.data());
    if (animation && !script.endsWith(QLatin1Char('w')))
        QCOMPARE(animation->state(), QAbstractAnimation::Stopped);
    // The command deletes the animation it owns, and emits nothing while it goes.
    command.reset();
    QCOMPARE(animation.isNull(), owning || script.contains(QLatin1Char('k')));
    QCOMPARE(done.count(), dones);
    delete animation;
}

QTEST_MAIN(TestAnimationCommand)
#include "tst_animationcommand.moc"
