#include "common/FileReport.h"

#include "common/Text.h"

namespace tov {

std::string OffsetRange(const DecodedField& field) {
    if (field.length == 1) {
        return std::to_string(field.offset);
    }
    return std::to_string(field.offset) + ".." + std::to_string(field.offset + field.length - 1);
}

void NoteUnexpected(const std::vector<DecodedField>& fields, const std::string& reading,
                    std::vector<std::string>& notes) {
    for (const DecodedField& field : fields) {
        if (field.expected) {
            continue;
        }
        const std::string where = (field.length == 1 ? "byte " : "bytes ") + OffsetRange(field);
        notes.push_back(where + " (" + field.name + reading + "): " + HexBytes(field.bytes) +
                        " is not a value the forms write");
    }
}

}  // namespace tov
