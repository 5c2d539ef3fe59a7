// EvalHand::Evaluate against the reference model of tests/: every output of
// every call must be the model's, on pools of up to 20 bytes of anything,
// windows up to the extremes of int, kickers and cards in one array or two,
// and output arrays fresh, reused or shared with a copy.

#include "evalhandmodel.h"
#include "fuzzinput.h"

#include <marrowick/evalhand.h>

#include <cstdio>
#include <cstdlib>

using Marrowick::EvalHand;

namespace {

// Mostly real cards, now and then a byte of no card: -1 to -6 (aces and
// rank 0), or one of the bytes from -7 down, spread so that every rank below
// zero comes up.
QByteArray pool(FuzzInput &input, int most)
{
    QByteArray cards = input.bytes(most);
    for (char &card : cards) {
        const int byte = uint8_t(card);
        if (byte < 212)
            card = char(byte % 53);
        else if (byte < 218)
            card = char(211 - byte); // -1 to -6
        else
            card = char(-7 - (byte - 218) * 121 / 37); // -7 to -128
    }
    return cards;
}

template<typename Evaluator>
void evaluate(Evaluator &evaluator, const QByteArray &free, const QByteArray &limited, int low, int high,
              bool sameArray, bool wantCards, EvalHandOutcome &out)
{
    QByteArray *cards = sameArray ? &out.kickers : wantCards ? &out.bestCards : nullptr;
    out.found = evaluator.Evaluate(free, limited, low, high, out.value, out.type, out.kickers, cards);
}

void report(const char *what, const QByteArray &free, const QByteArray &limited, int low, int high,
            const EvalHandOutcome &model, const EvalHandOutcome &found)
{
    std::fprintf(
        stderr, "%s: cards %s | limited %s | window %d to %d\n  model %d %08x %d %s / %s\n  found %d %08x %d %s / %s\n",
        what, free.toHex(' ').constData(), limited.toHex(' ').constData(), low, high, model.found,
        unsigned(model.value), int(model.type), model.kickers.toHex(' ').constData(),
        model.bestCards.toHex(' ').constData(), found.found, unsigned(found.value), int(found.type),
        found.kickers.toHex(' ').constData(), found.bestCards.toHex(' ').constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const int low = input.number();
    const int high = input.number();
    const bool sameArray = input.flag();
    const bool wantCards = input.flag();
    // Pools of up to 20 bytes, mostly of up to 11: the model takes its time over the big ones.
    const bool big = input.flag();
    const QByteArray free = pool(input, big ? 12 : 7);
    const QByteArray limited = pool(input, big ? 8 : 4);

    EvalHandModel model;
    EvalHandOutcome expected;
    evaluate(model, free, limited, low, high, sameArray, wantCards, expected);

    EvalHand evaluator;
    EvalHandOutcome found;
    evaluate(evaluator, free, limited, low, high, sameArray, wantCards, found);
    if (!(found == expected))
        report("fresh arrays", free, limited, low, high, expected, found);

    // Again into arrays that hold a result and share their data with copies,
    // which must keep what they held.
    const EvalHandOutcome before = found;
    evaluate(evaluator, free, limited, low, high, sameArray, wantCards, found);
    if (!(found == expected) || !(before == expected))
        report("reused arrays", free, limited, low, high, expected, found);
    return 0;
}
