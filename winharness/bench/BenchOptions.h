#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pwk::winbench {

struct SendSize {
    int Recipients = 0;
    int Foldersets = 0;
};

// The command line of bench_com.
struct BenchOptions {
    static constexpr const char* Usage =
        "usage: bench_com PWKCommon.dll [--benchmark_out=FILE] [--foldersets=N,... (none: no "
        "start-up rows)] "
        "[--sends=RxF,...] [--iterations=N]";

    std::string Dll;
    std::string Out;
    std::vector<int> Foldersets{100, 1000};
    std::vector<SendSize> Sends{{10, 5}, {50, 20}};
    // Starts per side, and ten times as many sends. With ten a run takes about 20 s, and the
    // send rows' ratios moved by about 0.02 across five runs, against 0.06 with three.
    int Iterations = 10;

    // Nothing for a command line it does not understand.
    static std::optional<BenchOptions> Parse(int argc, char** argv);
};

}  // namespace pwk::winbench
