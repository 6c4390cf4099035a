#include "common/AppState.h"

#include "common/Models.h"

namespace tov {

std::string_view PickMessage(const MessagePair& pair, int languageIndex) {
    return languageIndex == kChinese ? pair.chinese : pair.english;
}

Family AppState::family() const {
    return FamilyOf(modelIndex);
}

}  // namespace tov
