// The menu.dat builders of both families and the factory record.
#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BuildMenuRecord9030(benchmark::State& state) {
    tov::CameraMenuSettings settings = tov::OpeningCameraSettings(4);
    settings.cameraMode = 1;
    settings.serialOn = 1;
    settings.serialChars = {10, 35, 0, 9};
    for (auto _ : state) {
        tov::ClockSnapshot clock{2024, 5, 7, 13, 4, 9};
        benchmark::DoNotOptimize(tov::BuildMenuRecord9030(settings, clock, 1, 0));
    }
}
BENCHMARK(BM_BuildMenuRecord9030);

void BM_BuildMenuRecord2740(benchmark::State& state) {
    tov::CameraMenuSettings settings = tov::OpeningCameraSettings(1);
    settings.timer1 = 1;
    settings.timer1StartHour = 6;
    for (auto _ : state) {
        tov::ClockSnapshot clock{2024, 5, 7, 13, 4, 9};
        benchmark::DoNotOptimize(tov::BuildMenuRecord2740(settings, clock, 1, 0));
    }
}
BENCHMARK(BM_BuildMenuRecord2740);

void BM_FactoryMenuRecord(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tov::FactoryMenuRecord());
    }
}
BENCHMARK(BM_FactoryMenuRecord);

}  // namespace
