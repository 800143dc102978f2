// Runs a fuzz target over a fixed set of pseudo-random inputs, so that every
// test run, sanitizers included, drives it at random. The argument is the
// number of inputs (3000 unless given).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "velrtf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::atoi(argv[1]) : 3000;
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    std::mt19937 random(20261206);
    std::vector<uint8_t> input;
    for (int run = 0; run < runs; ++run) {
        input.resize(random() % 2048);
        for (uint8_t& byte : input) byte = static_cast<uint8_t>(random());
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("fuzz smoke: %d inputs, none failed\n", runs);
    return 0;
}
