#include "cards/core/CardContents.h"
#include "cards/core/CardMessages.h"

#include "camera/core/MenuFile.h"
#include "common/FilePath.h"
#include "common/OwnTexts.h"
#include "common/Text.h"
#include "mms/core/MmsFile.h"
#include "smtp/core/SmtpFile.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tov::cards {
namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

std::string WithoutFinalSeparator(std::string_view path) {
    std::string text(path);
    while (text.size() > 1 && (text.back() == '/' || text.back() == '\\')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

const std::vector<std::string_view>& CameraFileNames() {
    static const std::vector<std::string_view> names = {kMenuFileName, kMmsFileName, kSmtpFileName};
    return names;
}

void ReadCameraContents(Card& card) {
    card.cameraFiles.clear();
    card.hasDcim = false;
    std::error_code ec;
    std::filesystem::directory_iterator entries(std::filesystem::u8path(card.mountPoint), ec);
    std::vector<std::string> found;
    for (; !ec && entries != std::filesystem::directory_iterator(); entries.increment(ec)) {
        const std::string name = PathText(entries->path().filename());
        std::error_code typeError;
        if (SameIgnoringCase(name, "DCIM") && entries->is_directory(typeError)) {
            card.hasDcim = true;
        } else if (entries->is_regular_file(typeError)) {
            found.push_back(name);
        }
    }
    for (std::string_view file : CameraFileNames()) {
        if (std::any_of(found.begin(), found.end(),
                        [&](const std::string& name) { return SameIgnoringCase(name, file); })) {
            card.cameraFiles.emplace_back(file);
        }
    }
}

std::vector<std::string> CardWarnings(const Card& card, int languageIndex) {
    std::vector<std::string> warnings;
    if (card.readOnly) {
        warnings.emplace_back(OwnLabel(OwnText::kReadOnly, languageIndex));
    }
    if (!CameraReads(card.format)) {
        const std::string_view name = card.fileSystem.empty()
                                          ? OwnLabel(OwnText::kUnknownFileSystem, languageIndex)
                                          : std::string_view(card.fileSystem);
        warnings.push_back(Filled(OwnLabel(OwnText::kUnreadable, languageIndex), {name}));
    }
    return warnings;
}

std::string CameraSigns(const Card& card) {
    std::vector<std::string> signs = card.cameraFiles;
    if (card.hasDcim) {
        signs.emplace_back("DCIM folder");
    }
    return Joined(signs);
}

CardChoice OnlyUsableCard(const std::vector<Card>& cards) {
    std::vector<const Card*> usable;
    std::vector<std::string> listed;
    for (const Card& card : cards) {
        const std::vector<std::string> warnings = CardWarnings(card);
        listed.push_back(card.mountPoint + " (" + card.label +
                         (warnings.empty() ? "" : "; " + Joined(warnings)) + ")");
        if (warnings.empty()) {
            usable.push_back(&card);
        }
    }
    if (usable.size() == 1) {
        return {usable.front(), {}};
    }
    if (cards.empty()) {
        return {nullptr, "no memory card found"};
    }
    const std::string what = usable.empty()
                                 ? "no usable memory card among "
                                 : std::to_string(usable.size()) + " usable memory cards among ";
    return {nullptr, what + Joined(listed) + "; name the folder with --out"};
}

const Card* CardNamed(const std::vector<Card>& cards, std::string_view name) {
    const std::string wanted = WithoutFinalSeparator(name);
    for (const Card& card : cards) {
        if (WithoutFinalSeparator(card.mountPoint) == wanted) {
            return &card;
        }
    }
    for (const Card& card : cards) {
        if (!card.label.empty() && card.label == name) {
            return &card;
        }
    }
    return nullptr;
}

CardArrival::CardArrival(const std::vector<Card>& present) {
    for (const Card& card : present) {
        m_waiting.insert(card.mountPoint);
    }
}

const Card* CardArrival::Arrived(const std::vector<Card>& now) {
    std::set<std::string> there;
    for (const Card& card : now) {
        there.insert(card.mountPoint);
    }
    std::erase_if(m_waiting, [&](const std::string& place) { return there.count(place) == 0; });
    for (const Card& card : now) {
        if (m_waiting.count(card.mountPoint) == 0 && CardWarnings(card).empty()) {
            return &card;
        }
    }
    return nullptr;
}

std::string SizeText(std::uint64_t bytes) {
    static constexpr std::array<const char*, 5> kUnits = {"B", "KiB", "MiB", "GiB", "TiB"};
    double value = static_cast<double>(bytes);
    std::size_t unit = 0;
    while (value >= 1024.0 && unit + 1 < kUnits.size()) {
        value /= 1024.0;
        ++unit;
    }
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), unit == 0 ? "%.0f %s" : "%.1f %s", value, kUnits[unit]);
    return text.data();
}

}  // namespace tov::cards
