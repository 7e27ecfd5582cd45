#pragma once
// The frame of every benchmark program: a Qt application on the offscreen platform (unless
// QT_QPA_PLATFORM names another), set up as the program sets itself up, with a settings file of
// its own, message boxes that answer themselves, and Google Benchmark's run of the benchmarks the
// command line chooses.

#include <functional>

namespace bench {

// Runs the benchmarks; `cleanUp` runs after them while the application still exists.
int runBenchmarks(int argc, char** argv, const std::function<void()>& cleanUp = {});

// Lets the windows paint what the last step changed.
void paint();

// The peak resident memory of this process so far, in MB.
double peakRssMb();

}  // namespace bench
