// Writes the sample draw file that `tools/run` lays beside the program.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "sample_draws.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: make_sample_draws FILE [FIRST LAST]\n");
        return 2;
    }
    const int first = argc == 4 ? std::atoi(argv[2]) : 1;
    const int last = argc == 4 ? std::atoi(argv[3]) : 10113;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    const std::string text = drawchk::SampleDraws(first, last);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return out ? 0 : 1;
}
