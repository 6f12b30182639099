// taldor-calc: the scour calculation for batch and scripted use.
//
//   taldor-calc [--series] [FILE]
//
// Reads JSON Lines from FILE (standard input when absent or "-") and writes one JSON object per
// non-blank line to standard output.

#include <fstream>
#include <iostream>
#include <string>

#include "CalcCase.h"

namespace {

const char* const kUsage =
    "usage: taldor-calc [--series] [FILE]\n"
    "Reads one JSON object per line from FILE, or standard input when FILE is absent or \"-\",\n"
    "and writes one JSON object per non-blank line: the problem code, the messages shown, the\n"
    "problem state, the formula slots, the chart series and the Results rows.\n"
    "  --series  also write every point of every series\n";

int Run(std::istream& in, bool withSeries) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        std::cout << taldor::cli::AnswerLine(line, withSeries).dump(-1, ' ', false,
                                                                    nlohmann::json::error_handler_t::replace)
                  << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool withSeries = false;
    std::string file;
    bool haveFile = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--series") {
            withSeries = true;
        } else if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            std::cerr << "taldor-calc: unknown option " << arg << "\n" << kUsage;
            return 2;
        } else if (haveFile) {
            std::cerr << "taldor-calc: only one FILE may be given\n" << kUsage;
            return 2;
        } else {
            file = arg;
            haveFile = true;
        }
    }
    std::ios::sync_with_stdio(false);
    if (!haveFile || file == "-") return Run(std::cin, withSeries);
    std::ifstream in(file);
    if (!in) {
        std::cerr << "taldor-calc: cannot read " << file << "\n";
        return 2;
    }
    return Run(in, withSeries);
}
