// Every decoder inspect uses, through inspect's own list: the first byte picks the decoder,
// the second the model (0: none), the rest is the file. Beyond no crash: the report agrees
// with itself and its JSON parses back, and a file inspect calls valid (with no value a form
// does not write) rebuilds to the same bytes.

#include "FuzzSupport.h"
#include "camera/core/MenuFile.h"
#include "cli/InspectCommand.h"
#include "cli/Json.h"
#include "common/Models.h"

#include <nlohmann/json.hpp>

#include <map>

namespace tov::fuzz {
namespace {

using Rebuild = std::vector<std::uint8_t> (*)(std::span<const std::uint8_t> bytes, int model);

std::vector<std::uint8_t> RebuildMenu(std::span<const std::uint8_t> bytes, int model) {
    MenuRecord record{};
    std::copy_n(bytes.begin(), record.size(), record.begin());
    if (record == FactoryMenuRecord()) {
        return {bytes.begin(), bytes.end()};
    }
    const Family family = FamilyOf(model);
    ClockSnapshot clock{
        kClockFirstYear + record[14], record[15], record[16], record[17], record[18], record[19]};
    const MenuRecord rebuilt =
        BuildMenuRecord(ReadMenuSettings(record, family), family, clock, record[29], record[30]);
    return {rebuilt.begin(), rebuilt.end()};
}

// How each file a form writes is built again from what its decoder read: one line per file.
const std::map<std::string_view, Rebuild> kRebuilds = {
    {kMenuFileName, RebuildMenu},
};

}  // namespace
}  // namespace tov::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tov;
    using namespace tov::fuzz;
    static const auto decoders = cli::InspectedDecoders();
    if (size < 2) {
        return 0;
    }
    const auto& [name, decode] = decoders[data[0] % decoders.size()];
    const int modelByte = data[1] % (kModelCount + 1);
    const std::optional<int> model = modelByte == 0 ? std::nullopt : std::optional(modelByte);
    const std::span<const std::uint8_t> bytes(data + 2, size - 2);

    const FileReport report = decode(bytes, model, data[1] >= 0x80);
    Check(report.size == bytes.size() && report.sizeOk == (bytes.size() == report.expectedSize),
          "the report's size is not the file's");
    Check(report.sizeOk || report.damaged(), "a file of the wrong size is called valid");
    const auto json = nlohmann::json::parse(cli::FileReportJson("f", report, model));
    Check(json.at("valid").get<bool>() == !report.damaged(), "the JSON report disagrees");

    const auto rebuild = kRebuilds.find(name);
    if (model && !report.damaged() && report.notes.empty() && rebuild != kRebuilds.end()) {
        Check(rebuild->second(bytes, *model) == std::vector(bytes.begin(), bytes.end()),
              "a valid file does not rebuild to its bytes", name);
    }
    return 0;
}
