// The preference file as the host reads it (the INI reading over QSettings): the input is the
// file. Reading never fails; start-up then leaves a file that can be read, keeps a damaged
// one byte for byte beside it, and never rewrites a value that was read.

#include "app/core/PreferenceStore.h"
#include "app/host/SettingsPreferenceBackend.h"
#include "cli/ReadOnlyPreferenceBackend.h"

#include "FuzzSupport.h"

#include <fstream>
#include <iterator>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tov;
    using namespace tov::fuzz;
    // A new name each time: QSettings keeps what it read of a path for the process.
    static int count = 0;
    const std::filesystem::path path =
        ScratchFolder() / ("preferences-" + std::to_string(++count) + ".ini");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    SettingsPreferenceBackend backend(QString::fromStdString(path.string()));
    const bool damaged = backend.Condition().rfind("damaged", 0) == 0;
    cli::ReadOnlyPreferenceBackend readOnly(backend);
    PreferenceStore looking(readOnly, 0x0409);
    const PreferenceValue model = looking.ReadModelPreference();
    const PreferenceValue tvMode = looking.ReadTvModePreference();

    PreferenceStore store(backend, 0x0409);
    AppState state;
    LoadPreferences(store, state);
    Check(backend.OpenKey() && backend.Condition().empty(), "start-up leaves no usable file",
          backend.Condition());
    Check(!model.found || state.modelIndex == model.value, "a model read was rewritten");
    Check(!tvMode.found || state.TvMode == tvMode.value, "a TV mode read was rewritten");
    Check(store.ReadModelPreference().value == state.modelIndex, "the model stored is not read");
    if (damaged) {
        std::ifstream kept(path.string() + ".damaged", std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(kept), {}};
        Check(bytes == std::vector(data, data + size), "the damaged file was not kept as it was");
    }
    std::filesystem::remove(path);
    std::filesystem::remove(path.string() + ".damaged");
    return 0;
}
