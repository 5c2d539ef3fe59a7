#include "evalhandcomparison.h"

namespace {

// A copy with a buffer of its own, so that the evaluator's array stays unshared.
QByteArray deepCopy(const QByteArray &bytes)
{
    return QByteArray(bytes.constData(), bytes.size());
}

QString describe(bool found, int value, int type, const QByteArray &kickers, const QByteArray &bestCards)
{
    return QStringLiteral("%1 value %2 type %3 kickers %4 best %5")
        .arg(found ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(uint(value), 8, 16, QLatin1Char('0'))
        .arg(type)
        .arg(QString::fromLatin1(kickers.toHex(' ')), QString::fromLatin1(bestCards.toHex(' ')));
}

} // namespace

QString EvalHandComparison::compare(const EvalHandInput &input)
{
    // Every fourth call asks for no cards.
    const bool wantBestCards = ++calls % 4 != 0;

    int modelValue = -77;
    Marrowick::EvalHand::handType modelType = Marrowick::EvalHand::handType(-3);
    QByteArray modelKickers = QByteArrayLiteral("untouched kickers");
    QByteArray modelBestCards = QByteArrayLiteral("untouched cards");
    const bool modelFound = model.Evaluate(input.cards, input.limitedCards, input.minLimited, input.maxLimited,
                                           modelValue, modelType, modelKickers, &modelBestCards);
    if (!wantBestCards)
        modelBestCards = QByteArrayLiteral("untouched cards");

    const int valueBefore = value;
    const Marrowick::EvalHand::handType typeBefore = type;
    const QByteArray kickersBefore = deepCopy(kickers);
    const QByteArray bestCardsBefore = deepCopy(bestCards);
    if (!wantBestCards)
        bestCards = QByteArrayLiteral("untouched cards");
    const bool found = evaluator.Evaluate(input.cards, input.limitedCards, input.minLimited, input.maxLimited, value,
                                          type, kickers, wantBestCards ? &bestCards : nullptr);

    bool same = found == modelFound;
    if (same && found) {
        same = value == modelValue && type == modelType && kickers == modelKickers && bestCards == modelBestCards;
    } else if (same) {
        same = value == valueBefore && type == typeBefore && kickers == kickersBefore &&
            (!wantBestCards || bestCards == bestCardsBefore);
    }
    if (same)
        return QString();

    return QStringLiteral("cards %1 | limited %2 | window %3 to %4%5\n  model: %6\n  found: %7")
        .arg(QString::fromLatin1(input.cards.toHex(' ')), QString::fromLatin1(input.limitedCards.toHex(' ')))
        .arg(input.minLimited)
        .arg(input.maxLimited)
        .arg(wantBestCards ? QString() : QStringLiteral(" without cards"))
        .arg(describe(modelFound, modelValue, modelType, modelKickers, modelBestCards),
             describe(found, value, type, kickers, bestCards));
}
