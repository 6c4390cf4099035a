#pragma once

#include "common/FieldDescription.h"
#include "common/Models.h"

#include <functional>
#include <string>

namespace tov {

// Readings the file decoders share.

/// A value read for every model: its meaning when all models read it alike, otherwise each
/// meaning followed by the models that read it so ("QVGA (Tov 2740M, Tov 2740MG); SMS
/// (Tov 9030M, ...)"); expected when some model expects it.
Meaning MeaningForEveryModel(const std::function<Meaning(const ModelInfo& model)>& meaningFor);

/// The names of the family's models, "Tov 2740M, Tov 2740MG, Tov 2760MG".
std::string FamilyModelNames(Family family);

/// What a file's language byte means: the language list's entry ("Deutsch").
Meaning LanguageByteMeaning(int value);

}  // namespace tov
