// Writes each fuzz target's seed corpus into OUT/<target>/: the known byte images of the files
// the tool writes, and the texts its parsers take. Usage: fuzz_seeds OUT

#include "camera/core/CameraFields.h"
#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"
#include "cli/InspectCommand.h"
#include "common/Models.h"

#include <fstream>
#include <functional>
#include <map>

namespace tov::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

// menu.dat as every model's form writes it: opening values, every field moved, factory.
std::vector<Bytes> MenuImages() {
    std::vector<Bytes> images;
    for (const ModelInfo& model : Models()) {
        CameraMenuSettings busy = OpeningCameraSettings(model.index);
        for (const Field<CameraMenuSettings>& field : kCameraFields) {
            if (field.number != nullptr && IsSettingKey(field, model.family)) {
                busy.*field.number = field.kind == FieldKind::Choice ? 1 : field.max;
            }
        }
        for (const CameraMenuSettings& settings : {OpeningCameraSettings(model.index), busy}) {
            ClockSnapshot clock{2024, 2, 29, 23, 59, 58};
            const MenuRecord record =
                BuildMenuRecord(settings, model.family, clock, model.index * 2, model.index);
            images.emplace_back(record.begin(), record.end());
        }
    }
    const MenuRecord factory = FactoryMenuRecord();
    images.emplace_back(factory.begin(), factory.end());
    return images;
}

// The known images of each file inspect reads: one line per file.
const std::map<std::string_view, std::function<std::vector<Bytes>()>> kImages = {
    {kMenuFileName, MenuImages},
};

Bytes AsBytes(std::string_view text) {
    return {text.begin(), text.end()};
}

std::map<std::string, std::vector<Bytes>> Corpora() {
    std::map<std::string, std::vector<Bytes>> corpora;
    // Decoders: decoder index and model byte, then the image.
    const auto decoders = cli::InspectedDecoders();
    for (std::size_t index = 0; index < decoders.size(); ++index) {
        const auto images = kImages.find(decoders[index].first);
        for (int model = 0; images != kImages.end() && model <= kModelCount; ++model) {
            for (Bytes image : images->second()) {
                image.insert(image.begin(),
                             {static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(model)});
                corpora["fuzz_decoders"].push_back(std::move(image));
            }
        }
    }
    // Setting texts: model and language bytes, then every key of the family with a value.
    for (const ModelInfo& model : Models()) {
        std::string lines = {static_cast<char>(model.index - 1), 1};
        for (const Field<CameraMenuSettings>& field : kCameraFields) {
            if (IsSettingKey(field, model.family)) {
                lines += std::string(field.key) + "=" +
                         (field.kind == FieldKind::Chars ? "A9Z0" : std::to_string(field.min)) +
                         "\n";
            }
        }
        corpora["fuzz_setting_texts"].push_back(AsBytes(lines));
    }
    for (const char* json :
         {R"({"videoLength": 30, "imageSize": "5MP"})",
          R"({"cameraMode": "Video", "videoSize": 1, "serialOn": "On", "serialChars": "A9Z0",
              "timer1": 1, "timer1StartHour": 6, "intervalValue": 0, "intervalUnit": "Sec"})",
          R"({"videoLength": 5, "videoLength": 6})", R"({"a\u001b": 1.5e3, "b": [null]})"}) {
        corpora["fuzz_settings_json"].push_back(AsBytes(json));
    }
    for (const char* option :
         {"2014-05-07 13:04:09", "2040-02-29 12:00:00", "1970-01-01 00:00:00", "Tov 9030MG",
          "2760mg", "5", "English", "中文", "Lithuanian", "255", "0"}) {
        corpora["fuzz_options"].push_back(AsBytes(option));
    }
    for (const char* ini :
         {"[General]\nlanguage=2\nmodel=4\nTvMode=0\nCompany=Tov Brenn Electronics Co., Ltd\n",
          "model=65538\nlanguage=\"7\"\n; comment\n", "[General\nmodel=1\n", "TvMode=-1\n"}) {
        corpora["fuzz_preferences"].push_back(AsBytes(ini));
    }
    return corpora;
}

}  // namespace
}  // namespace tov::fuzz

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    for (const auto& [target, seeds] : tov::fuzz::Corpora()) {
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / target;
        std::filesystem::create_directories(folder);
        for (std::size_t i = 0; i < seeds.size(); ++i) {
            std::ofstream(folder / ("seed-" + std::to_string(i)), std::ios::binary)
                .write(reinterpret_cast<const char*>(seeds[i].data()),
                       static_cast<std::streamsize>(seeds[i].size()));
        }
    }
    return 0;
}
