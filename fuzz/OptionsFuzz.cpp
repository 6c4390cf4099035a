// The option parsers on any text. An accepted clock is a real moment in the years --clock
// takes, written exactly as the canonical text, and the camera gets a real date from it; an
// accepted model, language or TV mode lies in its range and reads back the same.

#include "camera/core/ClockSnapshot.h"
#include "cli/CliOptions.h"
#include "common/AppState.h"
#include "common/Models.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tov;
    using namespace tov::cli;
    using namespace tov::fuzz;
    const std::string_view text = Text({data, size});

    if (const auto clock = ParseClock(text)) {
        const ClockSnapshot given{clock->year, clock->month,  clock->day,
                                  clock->hour, clock->minute, clock->second};
        Check(clock->year >= kClockOptionFirstYear && clock->year <= kClockOptionLastYear &&
                  IsRealDate(clock->year, clock->month, clock->day) && clock->hour <= 23 &&
                  clock->minute <= 59 && clock->second <= 59,
              "an accepted clock is no real moment", text);
        Check(ClockText(given) == text, "an accepted clock is not its canonical text", text);
        const ClockSnapshot held = ReadClockSnapshot(*clock);
        Check(held.year >= kClockFirstYear && held.year <= kClockLastYear &&
                  IsRealDate(held.year, held.month, held.day),
              "the camera gets no real date", ClockText(held));
    }
    if (const auto model = ParseModel(text)) {
        Check(*model >= 1 && *model <= kModelCount, "a model out of range", text);
        Check(ParseModel(std::to_string(*model)) == model &&
                  ParseModel(ModelFor(*model).name) == model,
              "a model does not read back", text);
    }
    if (const auto language = ParseLanguage(text)) {
        Check(*language >= 1 && *language <= kLanguageCount, "a language out of range", text);
        Check(ParseLanguage(std::to_string(*language)) == language, "a language does not read back",
              text);
    }
    if (const auto tvMode = ParseTvMode(text)) {
        Check(*tvMode >= 0 && *tvMode <= 255 && ParseTvMode(std::to_string(*tvMode)) == tvMode,
              "a TV mode out of range", text);
    }
    return 0;
}
