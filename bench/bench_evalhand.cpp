// Calls per second of EvalHand::Evaluate on the workloads games give it,
// beside the floor (a function of the same signature that only reads its
// inputs and writes its outputs) and the straightforward reference model.
//
// Usage: bench_evalhand [seconds per slice, default 0.05] [rounds, default 10]
// Rates are the best slice of the rounds, the share of the floor's rate and
// the ratio to the model's the medians over the rounds; build in Release to
// measure.

#include "evalhandinputs.h"
#include "evalhandmodel.h"
#include "evaluatefloor.h"

#include <marrowick/evalhand.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

using Marrowick::EvalHand;

namespace {

struct Workload
{
    const char *name;
    std::function<EvalHandInput(EvalHandInputs &)> make;
};

volatile unsigned sink;

// Output arrays reused from call to call, as a game does.
struct Outputs
{
    int value = 0;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray kickers;
    QByteArray bestCards;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The processor time of this thread: time when other programs run instead
// of this one does not count. The machine may be shared.
double threadSeconds()
{
    timespec time;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) + double(time.tv_nsec) * 1e-9;
}

// Calls per second over the deals, cycling through them, for at least @p seconds.
template<typename Evaluate>
double callsPerSecond(Evaluate evaluate, const std::vector<EvalHandInput> &deals, double seconds, Outputs &out)
{
    // Unsigned: the sum of millions of values wraps, as a checksum may.
    unsigned checksum = 0;
    long calls = 0;
    const double start = threadSeconds();
    double elapsed = 0;
    do {
        for (int i = 0; i < 256; ++i) {
            const EvalHandInput &deal = deals[size_t(calls) & (deals.size() - 1)];
            evaluate(deal.cards, deal.limitedCards, deal.minLimited, deal.maxLimited, out.value, out.type, out.kickers,
                     &out.bestCards);
            checksum += unsigned(out.value);
            ++calls;
        }
        elapsed = threadSeconds() - start;
    } while (elapsed < seconds);
    sink = checksum;
    return calls / elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 0.05;
    const int rounds = std::max(1, argc > 2 ? std::atoi(argv[2]) : 10);

    const std::vector<Workload> workloads = {
        {"hold'em: 5 board + 2 hole, 0 to 2", [](EvalHandInputs &inputs) { return inputs.holdem(); }},
        {"Omaha: 5 board + 4 hole, exactly 2", [](EvalHandInputs &inputs) { return inputs.omaha(); }},
        {"hold'em, both hole cards: exactly 2", [](EvalHandInputs &inputs) { return inputs.deal(5, 2, 2, 2); }},
        {"8 free cards", [](EvalHandInputs &inputs) { return inputs.deal(8, 0, 0, 0); }},
        {"9 free cards", [](EvalHandInputs &inputs) { return inputs.deal(9, 0, 0, 0); }},
        {"6 free + 3 limited, 1 to 2", [](EvalHandInputs &inputs) { return inputs.deal(6, 3, 1, 2); }},
        {"7 free + 5 limited, 0 to 3", [](EvalHandInputs &inputs) { return inputs.deal(7, 5, 0, 3); }},
        {"5 free cards", [](EvalHandInputs &inputs) { return inputs.deal(5, 0, 0, 0); }},
        {"6 free cards", [](EvalHandInputs &inputs) { return inputs.deal(6, 0, 0, 0); }},
        {"arbitrary bytes, 0 to 12", [](EvalHandInputs &inputs) { return inputs.arbitrary(); }},
    };

    EvalHand evaluator;
    EvalHandModel model;
    const auto floor = [](auto &&...arguments) { return evaluateFloor(arguments...); };
    const auto fast = [&evaluator](auto &&...arguments) { return evaluator.Evaluate(arguments...); };
    const auto reference = [&model](auto &&...arguments) { return model.Evaluate(arguments...); };

    std::printf("%-38s %12s %12s %12s %7s %9s\n", "workload (calls/s, best slice)", "floor", "model", "EvalHand",
                "share", "vs model");
    for (const Workload &workload : workloads) {
        EvalHandInputs inputs(20240611);
        std::vector<EvalHandInput> deals;
        for (int i = 0; i < 4096; ++i)
            deals.push_back(workload.make(inputs));

        // The three take turns in short slices, so that a busy moment of the
        // machine hits them alike. The rates are the best slices; the share and
        // the ratio are the medians of those of adjacent slices, round by round.
        Outputs floorOutputs;
        Outputs modelOutputs;
        Outputs fastOutputs;
        double floorRate = 0;
        double modelRate = 0;
        double fastRate = 0;
        std::vector<double> shares;
        std::vector<double> ratios;
        for (int round = -1; round < rounds; ++round) {
            const double floorSlice = callsPerSecond(floor, deals, seconds, floorOutputs);
            const double modelSlice = callsPerSecond(reference, deals, seconds, modelOutputs);
            const double fastSlice = callsPerSecond(fast, deals, seconds, fastOutputs);
            if (round < 0)
                continue; // warming up
            floorRate = std::max(floorRate, floorSlice);
            modelRate = std::max(modelRate, modelSlice);
            fastRate = std::max(fastRate, fastSlice);
            shares.push_back(fastSlice / floorSlice);
            ratios.push_back(fastSlice / modelSlice);
        }
        std::printf("%-38s %12.0f %12.0f %12.0f %7.2f %8.0fx\n", workload.name, floorRate, modelRate, fastRate,
                    median(shares), median(ratios));
        std::fflush(stdout);
    }
    return 0;
}
