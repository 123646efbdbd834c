// Writes the sample draw file that `tools/run` lays beside the program; with --dated, each
// draw after the history carries its day after its number, as many draw files do.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "sample_draws.h"

int main(int argc, char** argv) {
    const bool dated = argc > 2 && std::string_view(argv[argc - 1]) == "--dated";
    if (dated) --argc;
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: make_sample_draws FILE [FIRST LAST] [--dated]\n");
        return 2;
    }
    const int first = argc == 4 ? std::atoi(argv[2]) : 1;
    const int last = argc == 4 ? std::atoi(argv[3]) : 10113;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    const std::string text =
        dated ? drawchk::DatedSampleDraws(first, last) : drawchk::SampleDraws(first, last);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return out ? 0 : 1;
}
