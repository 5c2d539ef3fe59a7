// The comparison of the library's hand evaluator with the reference model, in
// millions of calls: too long for the test run, run by hand after changing the
// evaluator.
//
// Usage: evalhand_longrun [calls per workload, default 2000000] [seed, default 1]
// (every five-card hand is compared by the evalhand test itself)

#include "evalhandcomparison.h"
#include "evalhandinputs.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

struct Workload
{
    const char *name;
    std::function<EvalHandInput(EvalHandInputs &)> make;
};

// Prints the first few differences and returns how many there were.
long run(const char *name, long calls, const std::function<EvalHandInput()> &input)
{
    const auto start = std::chrono::steady_clock::now();
    EvalHandComparison comparison;
    long differences = 0;
    for (long call = 0; call < calls; ++call) {
        const QString difference = comparison.compare(input());
        if (!difference.isEmpty() && ++differences <= 5)
            std::printf("%s\n", qPrintable(difference));
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-28s %10ld calls %6ld differences %8.1f s\n", name, calls, differences, seconds);
    std::fflush(stdout);
    return differences;
}

} // namespace

int main(int argc, char *argv[])
{
    const long calls = argc > 1 ? std::atol(argv[1]) : 2000000;
    const quint32 seed = argc > 2 ? quint32(std::atol(argv[2])) : 1u;

    long differences = 0;

    const Workload workloads[] = {
        {"hold'em deals", [](EvalHandInputs &inputs) { return inputs.holdem(); }},
        {"Omaha deals", [](EvalHandInputs &inputs) { return inputs.omaha(); }},
        {"random shapes and windows", [](EvalHandInputs &inputs) { return inputs.randomShape(); }},
        {"narrow decks", [](EvalHandInputs &inputs) { return inputs.narrowDeck(); }},
        {"arbitrary bytes", [](EvalHandInputs &inputs) { return inputs.arbitrary(); }},
        {"big pools of repeated bytes", [](EvalHandInputs &inputs) { return inputs.bigPool(); }},
    };
    for (const Workload &workload : workloads) {
        EvalHandInputs inputs(seed);
        differences += run(workload.name, calls, [&] { return workload.make(inputs); });
    }
    return differences == 0 ? 0 : 1;
}
