// setup.dat and smtp.dat: each file's builder and decoder.
#include "mms/core/MmsFile.h"
#include "mms/core/MmsRules.h"
#include "smtp/core/SmtpFile.h"
#include "smtp/core/SmtpSettings.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

tov::MmsSettings MmsSample() {
    tov::MmsSettings settings = tov::OpeningMmsSettings(4);
    tov::LoadMmsPreset(settings, 3, 4);
    settings.phone1 = "07700900123";
    settings.email = "me@example.com";
    return settings;
}

tov::SmtpSettings SmtpSample() {
    tov::SmtpSettings settings = tov::WithGprsPreset(tov::OpeningSmtpSettings(tov::Family::Second));
    settings.smtpServer = "smtp.example.com";
    settings.senderEmail = "cam01@example.com";
    settings.recipientEmail = "me@example.org";
    return settings;
}

void BM_BuildMmsFile(benchmark::State& state) {
    const tov::MmsSettings settings = MmsSample();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tov::BuildMmsFile(settings, tov::ModelFor(4), 2, 0));
    }
}
BENCHMARK(BM_BuildMmsFile);

void BM_DecodeMmsFile(benchmark::State& state) {
    const auto bytes = tov::BuildMmsFile(MmsSample(), tov::ModelFor(4), 2, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tov::DecodeMmsFile(bytes, 4, false));
    }
}
BENCHMARK(BM_DecodeMmsFile);

void BM_BuildSmtpFile(benchmark::State& state) {
    const tov::SmtpSettings settings = SmtpSample();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tov::BuildSmtpFile(settings, tov::Family::Second, 2));
    }
}
BENCHMARK(BM_BuildSmtpFile);

void BM_DecodeSmtpFile(benchmark::State& state) {
    const auto bytes = tov::BuildSmtpFile(SmtpSample(), tov::Family::Second, 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tov::DecodeSmtpFile(bytes, 4, false));
    }
}
BENCHMARK(BM_DecodeSmtpFile);

}  // namespace
