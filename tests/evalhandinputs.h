#ifndef MARROWICK_TESTS_EVALHANDINPUTS_H
#define MARROWICK_TESTS_EVALHANDINPUTS_H

#include <QtCore/QByteArray>

#include <random>

// One call's inputs to EvalHand::Evaluate.
struct EvalHandInput
{
    QByteArray cards;
    QByteArray limitedCards;
    int minLimited = 0;
    int maxLimited = 5;
};

// Random inputs of the shapes games use and of every other shape, the same
// sequence for the same seed.
class EvalHandInputs
{
public:
    explicit EvalHandInputs(quint32 seed);

    /// Texas hold'em: five board cards, two hole cards, at most two of them.
    EvalHandInput holdem();
    /// Omaha: five board cards, four hole cards, exactly two of them.
    EvalHandInput omaha();
    /// @p freeCount and @p limitedCount distinct real cards with the given window.
    EvalHandInput deal(int freeCount, int limitedCount, int minLimited, int maxLimited);
    /// Distinct real cards, 5 to 12 of them split at random, with a random window.
    EvalHandInput randomShape();
    /// Like randomShape, from a deck of few ranks and suits: many hands of equal value, ties between suits.
    EvalHandInput narrowDeck();
    /// 0 to 12 bytes of anything: real cards, repeats, backs, bytes of no card,
    /// now and then one beyond the king, with any window.
    EvalHandInput arbitrary();
    /// 13 to 20 bytes drawn again and again from a few of every kind, the
    /// second array now and then only of bytes ranking below zero.
    EvalHandInput bigPool();

private:
    QByteArray distinctCards(int count);
    /// @p bytes split at random into the two arrays, the window's least and its width from @p low to @p high.
    EvalHandInput split(const QByteArray &bytes, int low, int high);
    int uniform(int low, int high);

    std::mt19937 random;
};

#endif
