#pragma once

#include "common/AppState.h"

#include <cstddef>
#include <string_view>

namespace tov {

/// The texts the forms show beyond their fields' own: the memory card row, the load offers, the
/// eject buttons and the profiles. Each comes in all eleven interface languages; %1, %2, ...
/// are filled in by cards::Filled.
enum class OwnText : std::size_t {
    // The card row and the card list.
    kMemoryCard,    ///< "Memory card: %1"
    kMemoryCards,   ///< before the list of several cards
    kCardListName,  ///< the accessible name of the card list
    kChooseCard,    ///< the list's first entry
    kCardSpace,     ///< "%1 (%2, %3 free of %4)": label, file system, free, total
    kReadOnly,      ///< a card warning
    kUnknownFileSystem,
    kUnreadable,  ///< "%1: the camera reads FAT12/16/32 and exFAT only"
    // The offer to load the file a card or folder holds.
    kLoadThem,
    kThisCard,
    kThisFolder,
    kHoldsSettings,  ///< %1 this card/folder, %2 the model, %3 when it was written
    kCannotLoad,     ///< %1 this card/folder, %2 the file, %3 why
    kOtherModel,     ///< %1 this card/folder, %2 the file, %3 the model, %4 why
    kLoaded,         ///< %1 the file
    kOtherFamily,    ///< %1 this card/folder, %2 the model the tool wrote the file for
    kFamilyUnknown,  ///< %1 the form's model
    // After a write to a card.
    kEjectButton,
    kWriteAnother,
    kCancel,
    // Profiles and the settings last written.
    kSaveProfile,
    kOpenProfile,
    kIncludePasswords,
    kProfileFilter,
    kUseLastSettings,
    kPasswordsNotKept,
    kUseThem,
    // Names of controls without a label of their own.
    kFolderName,
    kCount,
};

/// As a label, button or list entry: in the interface language `languageIndex` (1..11);
/// English outside that range.
std::string_view OwnLabel(OwnText text, int languageIndex);

/// As part of a message: Chinese for Chinese, English for every other language, as every
/// message box and the command line speak.
std::string_view OwnMessage(OwnText text, int languageIndex);

}  // namespace tov
