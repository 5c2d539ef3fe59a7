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

int main(int argc, char *argv[])
{
    const long calls = argc > 1 ? std::atol(argv[1]) : 2000000;
    const quint32 seed = argc > 2 ? quint32(std::atol(argv[2])) : 1u;

    const struct
    {
        const char *name;
        EvalHandInput (EvalHandInputs::*make)();
    } workloads[] = {
        {"hold'em deals", &EvalHandInputs::holdem},
        {"Omaha deals", &EvalHandInputs::omaha},
        {"random shapes and windows", &EvalHandInputs::randomShape},
        {"narrow decks", &EvalHandInputs::narrowDeck},
        {"arbitrary bytes", &EvalHandInputs::arbitrary},
        {"big pools of repeated bytes", &EvalHandInputs::bigPool},
    };
    long differences = 0;
    for (const auto &workload : workloads) {
        const auto start = std::chrono::steady_clock::now();
        EvalHandInputs inputs(seed);
        EvalHandComparison comparison;
        long found = 0;
        for (long call = 0; call < calls; ++call) {
            const QString difference = comparison.compare((inputs.*workload.make)());
            if (!difference.isEmpty() && ++found <= 5) // the first few are enough to start with
                std::printf("%s\n", qPrintable(difference));
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-28s %10ld calls %6ld differences %8.1f s\n", workload.name, calls, found, seconds);
        std::fflush(stdout);
        differences += found;
    }
    return differences == 0 ? 0 : 1;
}
