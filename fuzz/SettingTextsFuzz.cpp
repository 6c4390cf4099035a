// The setting keys and values as the command line gives them (ApplyCameraSettings over
// ApplySettingTexts): the first byte picks the model, the second the language, the rest is
// KEY=VALUE lines. A refusal names a given key and holds no control character; accepted
// settings make a file that inspect calls valid, with no value a form does not write.

#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"
#include "common/Models.h"
#include "common/Text.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tov;
    using namespace tov::fuzz;
    if (size < 2) {
        return 0;
    }
    const int model = 1 + data[0] % kModelCount;
    const int language = 1 + data[1] % kLanguageCount;
    SettingTexts texts;
    std::string_view lines = Text({data + 2, size - 2});
    while (!lines.empty()) {
        const std::string_view line = lines.substr(0, lines.find('\n'));
        lines.remove_prefix(std::min(lines.size(), line.size() + 1));
        const auto equals = line.find('=');
        if (equals != std::string_view::npos) {
            texts[std::string(line.substr(0, equals))] = line.substr(equals + 1);
        }
    }

    const CameraSettingsResult result = ApplyCameraSettings(model, texts, language);
    if (result.error) {
        const std::string& message = *result.error;
        Check(NoControlCharacters(message), "a refusal repeats a control character", message);
        const bool namesAKey = std::any_of(texts.begin(), texts.end(), [&](const auto& given) {
            return message.rfind(tov::Printable(given.first) + ": ", 0) == 0;
        });
        Check(namesAKey, "a refusal does not start with a given key", message);
        return 0;
    }
    ClockSnapshot clock{2014, 5, 7, 13, 4, 9};
    const MenuRecord record = BuildMenuRecord(result.settings, FamilyOf(model), clock, language, 0);
    const FileReport report = DecodeMenuFile(record, model);
    Check(Faults(report).empty(), "accepted settings make a file inspect faults", Faults(report));
    return 0;
}
