#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

// Timings shared by the benchmarks: the best of several runs, and a median.

// The best of several runs of f, in milliseconds, with an untimed step after each run (closing what
// the run opened).
template <typename F, typename G> double bestMs(int runs, F&& f, G&& untimedAfter) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, t.nsecsElapsed() / 1e6);
        untimedAfter();
    }
    return best;
}

// The same with nothing after each run.
template <typename F> double bestMs(int runs, F&& f) {
    return bestMs(runs, f, [] {});
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
