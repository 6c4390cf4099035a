#include "cli/FileOutput.h"

#include "cli/CliOptions.h"
#include "common/ConfigFile.h"
#include "common/FieldMessages.h"
#include "common/FilePath.h"
#include "common/Text.h"

namespace tov::cli {

int WriteConfigFileStep(const std::string& outDir, std::string_view fileName,
                        std::span<const std::uint8_t> bytes,
                        const std::optional<std::string>& confirmation, const AppState& state,
                        std::ostream& out, std::ostream& err, WriteOptions options) {
    const std::string path = PathText(ConfigFilePath(outDir, fileName));
    const WriteResult written = WriteConfigFile(outDir, fileName, bytes, options);
    if (!written.ok) {
        err << WriteFailureMessage(path, written, state.languageIndex) << "\n";
        if (written.readOnly) {
            err << state.message({"用 --force 可替换只读文件", "--force replaces a read-only file"})
                << "\n";
        }
        return kExitWriteFailed;
    }
    if (confirmation) {
        out << *confirmation << "\n";
    }
    out << Printable(path) << "\n";
    return kExitOk;
}

}  // namespace tov::cli
