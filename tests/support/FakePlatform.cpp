#include "support/FakePlatform.h"

#include "support/LanguageCodec.h"

namespace tov::test {

std::optional<std::string> FakePlatform::PickFolder(std::string_view startFolder) {
    folderPickerStarts.emplace_back(startFolder);
    if (folderAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

const FileTextCodec& FakePlatform::FileCodec() {
    if (!m_codec) {
        m_codec = std::make_unique<QtFileTextCodec>(CodecOfLanguage(langId));
    }
    return *m_codec;
}

}  // namespace tov::test
