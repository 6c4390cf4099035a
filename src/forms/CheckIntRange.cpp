#include "forms/CheckIntRange.h"

#include "common/FieldMessages.h"

namespace tov {

bool CheckIntRange(Platform& platform, int languageIndex, int value, int min, int max) {
    if (value >= min && value <= max) {
        return true;
    }
    platform.ShowMessage(RangeMessage(min, max, languageIndex));
    return false;
}

}  // namespace tov
