#include "forms/CheckIntRange.h"

#include "common/FieldMessages.h"
#include "common/ValueCheck.h"

namespace tov {

bool CheckIntRange(Platform& platform, int languageIndex, int value, int min, int max) {
    if (CheckNumberValue(value, min, max).ok()) {
        return true;
    }
    platform.ShowMessage(RangeMessage(min, max, languageIndex));
    return false;
}

}  // namespace tov
