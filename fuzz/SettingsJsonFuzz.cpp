// The JSON settings reader through the whole menu command: the input is the --settings file.
// A refused input leaves no file (and no temporary file) and says why without a control
// character; an accepted one leaves a menu.dat that inspect calls valid.

#include "app/host/QtFileTextCodec.h"
#include "camera/core/MenuFile.h"
#include "cli/CommandLine.h"
#include "common/Models.h"
#include "support/MemoryPreferenceBackend.h"

#include "FuzzSupport.h"

#include <fstream>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tov;
    using namespace tov::fuzz;
    static const QtFileTextCodec codec(0x0409);
    static const std::filesystem::path card = ScratchFolder() / "card";
    static const std::filesystem::path settings = ScratchFolder() / "settings.json";
    std::filesystem::create_directories(card);
    std::ofstream(settings, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    MemoryPreferenceBackend prefs;
    cli::CliEnvironment env{prefs, 0x0409, [] { return LocalDateTime{2014, 5, 7, 13, 4, 9}; },
                            codec};
    const int model = 1 + static_cast<int>(size % kModelCount);
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::RunCommandLine({"menu", "--out", card.string(), "--model",
                                          std::to_string(model), "--settings", settings.string()},
                                         env, out, err);
    Check(code == cli::kExitOk || code == cli::kExitBadInput, "neither written nor refused",
          err.str());
    Check(NoControlCharacters(err.str()), "a message repeats a control character", err.str());
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(card)) {
        left.push_back(entry.path().filename().string());
    }
    if (code == cli::kExitBadInput) {
        Check(left.empty(), "a refused input left a file");
        return 0;
    }
    Check(left == std::vector<std::string>{"menu.dat"}, "the folder holds more than menu.dat");
    std::ifstream in(card / "menu.dat", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const FileReport report = DecodeMenuFile(bytes, model);
    Check(Faults(report).empty(), "an accepted input wrote a file inspect faults", Faults(report));
    std::filesystem::remove(card / "menu.dat");
    return 0;
}
