#pragma once

#include "common/Models.h"

namespace tov {

// Which model a family's form shows. The main window opens each family's forms for that
// family's models only; should another model reach a form, these say how it behaves.

/// A second-family form shows any model outside its family as the last model of the family.
inline int SecondFamilyFormModel(int modelIndex) {
    if (FamilyOf(modelIndex) == Family::Second) {
        return modelIndex;
    }
    int last = modelIndex;
    for (const ModelInfo& model : Models()) {
        if (model.family == Family::Second) {
            last = model.index;
        }
    }
    return last;
}

/// A first-family form shows a second-family model as it shows a model outside the list.
inline int FirstFamilyFormModel(int modelIndex) {
    return FamilyOf(modelIndex) == Family::First ? modelIndex : 0;
}

}  // namespace tov
