// The menu.dat decoder: a sound file read for its model, and for every model at once.
#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

tov::MenuRecord SampleRecord() {
    tov::CameraMenuSettings settings = tov::OpeningCameraSettings(5);
    settings.cameraMode = 2;
    tov::ClockSnapshot clock{2024, 5, 7, 13, 4, 9};
    return tov::BuildMenuRecord9030(settings, clock, 1, 0);
}

void BM_DecodeMenuFile(benchmark::State& state) {
    const tov::MenuRecord record = SampleRecord();
    const std::optional<int> model =
        state.range(0) == 0 ? std::nullopt : std::optional<int>(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tov::DecodeMenuFile(record, model));
    }
}
// 0: no model given (every model's reading); 5: the model that wrote the record.
BENCHMARK(BM_DecodeMenuFile)->Arg(5)->Arg(0);

}  // namespace
