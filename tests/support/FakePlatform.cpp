#include "support/FakePlatform.h"

namespace tov::test {

std::optional<std::string> FakePlatform::PickFolder() {
    ++folderPickerCalls;
    if (folderAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

}  // namespace tov::test
