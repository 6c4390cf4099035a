// The checksum of every file, per byte: the 50 bytes a menu record covers and a long run.
#include "common/Checksum.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

void BM_Crc16Xmodem(benchmark::State& state) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(state.range(0)));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(bytes.data());
        benchmark::DoNotOptimize(tov::Crc16Xmodem(bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Crc16Xmodem)->Arg(50)->Arg(4096);

}  // namespace
