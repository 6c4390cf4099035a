#include "profiles/core/FileSettings.h"

#include "camera/core/CameraChoices.h"
#include "camera/core/CameraFields.h"
#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"
#include "common/Models.h"
#include "common/RecordFile.h"
#include "mms/core/MmsChoices.h"
#include "mms/core/MmsFields.h"
#include "mms/core/MmsFile.h"
#include "mms/core/MmsRules.h"
#include "smtp/core/SmtpChoices.h"
#include "smtp/core/SmtpFields.h"
#include "smtp/core/SmtpFile.h"
#include "smtp/core/SmtpSettings.h"

#include <algorithm>
#include <functional>

namespace tov::profiles {
namespace {

using Entries = std::function<std::vector<std::string_view>(int list)>;

// A choice as its English entry when that entry reads back as the same position (a list may
// hold digits or one entry twice), else as its position.
std::string ChoiceText(int index, const std::vector<std::string_view>& entries, bool named) {
    if (named && index >= 0 && index < static_cast<int>(entries.size())) {
        const std::string_view entry = entries[static_cast<std::size_t>(index)];
        if (ParseChoiceText(entry, entries) == index) {
            return std::string(TrimSpaces(entry));
        }
    }
    return std::to_string(index);
}

// The keys the family's form takes as texts; `skip` leaves out what the form's own rules
// would refuse (a field its mode locks). Empty refusal on success.
template <class S>
FileSettings TextsOf(FieldTable<S> table, Family family, const S& settings, const Entries& entries,
                     const ReadingOptions& options, const FileTextCodec& codec,
                     const std::function<bool(std::string_view key)>& skip = {}) {
    FileSettings result;
    for (const Field<S>& field : table) {
        if (!IsSettingKey(field, family) || (skip && skip(field.key))) {
            continue;
        }
        const std::string key(field.key);
        switch (field.kind) {
        case FieldKind::Number:
            result.texts[key] = std::to_string(settings.*field.number);
            break;
        case FieldKind::Choice:
            result.texts[key] =
                ChoiceText(settings.*field.number, entries(field.list), options.namedChoices);
            break;
        case FieldKind::Text:
            result.texts[key] = codec.Decode(settings.*field.text);
            break;
        case FieldKind::Chars: {
            const std::vector<std::string_view> alphabet = entries(field.list);
            std::string text;
            for (const int index : settings.*field.chars) {
                if (index < 0 || index >= static_cast<int>(alphabet.size()) ||
                    alphabet[static_cast<std::size_t>(index)].size() != 1) {
                    result.refusal = key + ": a character no form writes";
                    return result;
                }
                text += alphabet[static_cast<std::size_t>(index)];
            }
            result.texts[key] = text;
            break;
        }
        case FieldKind::Folder:
            break;
        }
    }
    return result;
}

// The first key the file holds other than the form writes from `texts`: a field's value the
// read-back settings do not give again (an Auto mode text that is not the operator's preset).
template <class S>
std::string FirstDifference(FieldTable<S> table, Family family, const S& file, const S& again) {
    for (const Field<S>& field : table) {
        if (!IsSettingKey(field, family)) {
            continue;
        }
        const bool same = field.number != nullptr  ? file.*field.number == again.*field.number
                          : field.text != nullptr  ? file.*field.text == again.*field.text
                          : field.chars != nullptr ? file.*field.chars == again.*field.chars
                                                   : true;
        if (!same) {
            return std::string(field.key);
        }
    }
    return {};
}

// The texts in the file's code page, as the command line gives them to the checks.
SettingTexts Encoded(const SettingTexts& texts, const FileTextCodec& codec) {
    SettingTexts encoded;
    for (const auto& [key, value] : texts) {
        encoded[key] = codec.Encode(value).bytes;
    }
    return encoded;
}

// Applies `result`'s texts as the model's form would take them and checks that they give the
// file's settings again; a refusal or a difference becomes the result's refusal.
template <class S, class Apply>
FileSettings Checked(FileSettings result, FieldTable<S> table, Family family, const S& file,
                     const ReadingOptions& options, const FileTextCodec& codec, Apply apply) {
    if (!result.refusal.empty()) {
        return result;
    }
    const auto [again, error] = apply(Encoded(result.texts, codec));
    if (error) {
        result.refusal = "no form takes these settings again (" + *error + ")";
    } else if (const std::string key = FirstDifference(table, family, file, again); !key.empty()) {
        result.refusal = key + ": the file holds a value the form would not write from it";
    }
    if (!result.refusal.empty()) {
        result.texts.clear();
    }
    // The passwords took part in the check (a form needs them); they leave only when asked.
    for (const Field<S>& field : table) {
        if (field.secret && !options.withSecrets) {
            result.texts.erase(std::string(field.key));
        }
    }
    return result;
}

FileReport Decode(std::string_view member, std::span<const std::uint8_t> bytes, int modelIndex) {
    if (member == "menu") {
        return DecodeMenuFile(bytes, modelIndex);
    }
    if (member == "mms") {
        return DecodeMmsFile(bytes, modelIndex, false);
    }
    return DecodeSmtpFile(bytes, modelIndex, false);
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "; ") + line;
    }
    return text;
}

}  // namespace

bool ModelWritesFile(int modelIndex, std::string_view member, std::span<const std::uint8_t> bytes) {
    if (member == "smtp" && !ModelFor(modelIndex).hasEmailForm) {
        return false;
    }
    const FileReport report = Decode(member, bytes, modelIndex);
    return !report.damaged() && report.notes.empty();
}

std::vector<int> ModelsWriting(
    const std::vector<std::pair<std::string_view, std::span<const std::uint8_t>>>& files) {
    std::vector<int> models;
    for (const ModelInfo& model : Models()) {
        if (std::all_of(files.begin(), files.end(), [&](const auto& file) {
                return ModelWritesFile(model.index, file.first, file.second);
            })) {
            models.push_back(model.index);
        }
    }
    return models;
}

FileSettings SettingsOfFile(std::string_view member, std::span<const std::uint8_t> bytes,
                            const ReadingOptions& options, const FileTextCodec& codec) {
    const int modelIndex = options.modelIndex;
    const ModelInfo& model = ModelFor(modelIndex);
    if (ProfileFileByMember(member) == nullptr) {
        return {{}, "no file of a profile"};
    }
    if (member == "smtp" && !model.hasEmailForm) {
        return {{}, std::string(model.name) + " has no e-mail settings"};
    }
    const FileReport report = Decode(member, bytes, modelIndex);
    if (report.damaged()) {
        return {{}, "the file is damaged (" + Joined(report.problems) + ")"};
    }
    if (!report.notes.empty()) {
        return {{},
                "it holds values no form of the " + std::string(model.name) + " writes (" +
                    Joined(report.notes) + ")"};
    }
    if (member == "menu") {
        if (report.factory) {
            return {{}, "it is the factory-settings file, which `menu --factory` writes"};
        }
        MenuRecord record{};
        std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
        const CameraMenuSettings settings = ReadMenuSettings(record, model.family);
        return Checked(
            TextsOf(
                CameraFieldTable(), model.family, settings,
                [modelIndex](int list) { return CameraChoices(list, modelIndex, kEnglish); },
                options, codec),
            CameraFieldTable(), model.family, settings, options, codec,
            [&](const SettingTexts& texts) {
                const CameraSettingsResult again = ApplyCameraSettings(modelIndex, texts, kEnglish);
                return std::pair{again.settings, again.error};
            });
    }
    const RecordFileBody plain = ReadRecordFile(bytes).plain;
    if (member == "mms") {
        const MmsSettings settings = ReadMmsSettings(plain, model.family);
        // Manual mode has no operator list: the form takes no country or operator there.
        const bool manual = settings.mode == kMmsManual;
        FileSettings result = TextsOf(
            MmsFieldTable(), model.family, settings,
            [&](int list) {
                const int mode = list == kMmsBearerList ? kMmsManual : kMmsAuto;
                return MmsChoices(list, model, kEnglish, mode, settings.countryIndex);
            },
            options, codec,
            [&](std::string_view key) {
                const Field<MmsSettings>* field = FindField(MmsFieldTable(), key);
                return IsLocked(MmsFieldTable(), *field, settings) ||
                       (manual && (key == "country" || key == "operator"));
            });
        // Manual mode writes its own mark in place of the country: the country is not read.
        MmsSettings file = settings;
        return Checked(std::move(result), MmsFieldTable(), model.family, file, options, codec,
                       [&](const SettingTexts& texts) {
                           MmsSettingsResult again = ApplyMmsSettings(modelIndex, texts, kEnglish);
                           if (again.settings.mode == kMmsAuto) {
                               // What Generate writes in Auto mode: the operator's preset.
                               LoadMmsPreset(again.settings, again.settings.countryIndex,
                                             again.settings.operatorIndex);
                           } else {
                               again.settings.countryIndex = file.countryIndex;
                               again.settings.operatorIndex = file.operatorIndex;
                           }
                           return std::pair{again.settings, again.error};
                       });
    }
    const SmtpSettings settings = ReadSmtpSettings(plain, model.family);
    const bool manual = settings.mode == kSmtpManual;
    return Checked(
        TextsOf(
            SmtpFieldTable(), model.family, settings,
            [&](int list) { return SmtpChoices(list, model.family, kEnglish, settings); }, options,
            codec,
            [&](std::string_view key) {
                // Auto takes the GPRS texts from the preset; Manual has no operator list.
                const Field<SmtpSettings>* field = FindField(SmtpFieldTable(), key);
                return IsLocked(SmtpFieldTable(), *field, settings) ||
                       (manual && (key == "country" || key == "operator"));
            }),
        SmtpFieldTable(), model.family, settings, options, codec, [&](const SettingTexts& texts) {
            SmtpSettingsResult again = ApplySmtpSettings(modelIndex, texts, kEnglish);
            if (manual) {
                again.settings.countryIndex = settings.countryIndex;
                again.settings.operatorIndex = settings.operatorIndex;
            }
            return std::pair{again.settings, again.error};
        });
}

}  // namespace tov::profiles

namespace tov::profiles {

Profile ProfileOfFiles(const std::vector<ReadFile>& files, std::optional<int> model,
                       bool withSecrets, const FileTextCodec& codec) {
    Profile profile;
    std::vector<int> candidates;
    if (model) {
        candidates = {*model};
    } else {
        std::vector<std::pair<std::string_view, std::span<const std::uint8_t>>> all;
        for (const ReadFile& file : files) {
            all.emplace_back(file.member, file.bytes);
        }
        candidates = ModelsWriting(all);
    }
    if (candidates.size() == 1) {
        profile.model = candidates.front();
    }
    for (const ReadFile& file : files) {
        const std::string member(file.member);
        if (candidates.empty()) {
            // Read for the first model that writes this file alone, to name the reason.
            int reading = 0;
            for (const ModelInfo& each : Models()) {
                if (reading == 0 && ModelWritesFile(each.index, file.member, file.bytes)) {
                    reading = each.index;
                }
            }
            profile.refused[member] =
                reading == 0 ? SettingsOfFile(file.member, file.bytes,
                                              {.modelIndex = Models().back().index}, codec)
                                   .refusal
                             : "the files together fit no single model; read them with --model";
            continue;
        }
        // Every candidate must read the file alike: by name where they all can, else by
        // position.
        std::optional<FileSettings> agreed;
        for (const bool named : {true, false}) {
            std::optional<FileSettings> first;
            bool alike = true;
            for (const int candidate : candidates) {
                FileSettings read = SettingsOfFile(
                    file.member, file.bytes,
                    {.modelIndex = candidate, .namedChoices = named, .withSecrets = withSecrets},
                    codec);
                if (!first) {
                    first = std::move(read);
                } else if (read.texts != first->texts || read.refusal != first->refusal) {
                    alike = false;
                }
            }
            if (alike) {
                agreed = std::move(first);
                break;
            }
        }
        if (!agreed) {
            profile.refused[member] =
                "the file reads differently for the models it fits; read it with --model";
        } else if (!agreed->refusal.empty()) {
            profile.refused[member] = agreed->refusal;
        } else {
            profile.files[member] = std::move(agreed->texts);
        }
    }
    return profile;
}

}  // namespace tov::profiles
