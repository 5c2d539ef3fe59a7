#include <marrowick/animationcommand.h>
#include <marrowick/callcommand.h>
#include <marrowick/compositecommand.h>
#include <marrowick/parallelcommand.h>
#include <marrowick/pausecommand.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDebug>
#include <QtCore/QPointF>
#include <QtCore/QVariantAnimation>

#include <functional>

using Marrowick::AnimationCommand;

// A card on the table, as far as its animations are concerned.
struct CardItem
{
    QPointF position;
    qreal angle = 0; // 180 once turned over
};

// The game's own animations of its card items.
QVariantAnimation *animation(const QVariant &from, const QVariant &to, std::function<void(const QVariant &)> apply)
{
    auto animation = new QVariantAnimation;
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setDuration(100);
    QObject::connect(animation, &QVariantAnimation::valueChanged, animation, apply);
    return animation;
}
QVariantAnimation *moveAnimation(CardItem *card, QPointF to)
{
    return animation(card->position, to, [card](const QVariant &value) { card->position = value.toPointF(); });
}
QVariantAnimation *flipAnimation(CardItem *card)
{
    return animation(card->angle, qreal(180), [card](const QVariant &value) { card->angle = value.toReal(); });
}

// Deal two cards, one after the other, then turn both over at once, then
// change the game's model.
Marrowick::CompositeCommand *dealAndReveal(CardItem *first, CardItem *second, std::function<void()> dealt)
{
    auto reveal = new Marrowick::ParallelCommand;   // owns its children
    reveal->addCommand(new AnimationCommand(flipAnimation(first)));   // owns its animation
    reveal->addCommand(new AnimationCommand(flipAnimation(second)));

    auto deal = new Marrowick::CompositeCommand;    // owns its children, reveal too
    deal->addCommand(new AnimationCommand(moveAnimation(first, QPointF(100, 300))));
    deal->addCommand(new AnimationCommand(moveAnimation(second, QPointF(180, 300))));
    deal->addCommand(new Marrowick::PauseCommand(250));
    deal->addCommand(reveal);
    deal->addCommand(new Marrowick::CallCommand(dealt));
    return deal;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CardItem first;
    CardItem second;
    bool playerHoldsCards = false;
    const auto holdCards = [&] { playerHoldsCards = true; };
    const auto yourTurn = [&] {
        qDebug() << "Your turn:" << first.position << first.angle << second.position << second.angle
                 << playerHoldsCards;   // Your turn: QPointF(100,300) 180 QPointF(180,300) 180 true
    };

    Marrowick::CompositeCommand *deal = dealAndReveal(&first, &second, holdCards);
    QObject::connect(deal, &Marrowick::Command::done, &app, yourTurn);
    QObject::connect(deal, &Marrowick::Command::done, deal, &QObject::deleteLater);
    QObject::connect(deal, &QObject::destroyed, &app, &QCoreApplication::quit);
    deal->exec();   // returns while the first card moves

    // The player clicks through: every animation, started or not, jumps to its
    // end, the pause ends and the CallCommand not reached yet calls holdCards.
    // A CompositeCommand emits no done() when finished: the game goes on by itself.
    if (app.arguments().contains(QStringLiteral("-click"))) {
        deal->finish();
        delete deal;
        yourTurn();
        return 0;
    }
    return app.exec();
}
