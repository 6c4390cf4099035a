#include "app/AppState.h"

namespace tov {

Family FamilyOf(int modelIndex) {
    return (modelIndex == 2 || modelIndex == 4) ? Family::Second : Family::First;
}

std::string_view PickMessage(const MessagePair& pair, int languageIndex) {
    return languageIndex == kChinese ? pair.chinese : pair.english;
}

}  // namespace tov
