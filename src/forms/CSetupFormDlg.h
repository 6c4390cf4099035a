#pragma once

#include "common/AppState.h"
#include "common/FieldTable.h"
#include "common/FileReport.h"
#include "common/SafeFileWriter.h"
#include "common/SettingTexts.h"
#include "forms/Platform.h"
#include "writes/core/WriteTransaction.h"

#include <QDialog>
#include <QKeySequence>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace tov {

/// The property of a text field holding why its last typed characters were refused.
inline constexpr const char* kRefusalProperty = "tovRefusal";

class CardBar;

/// A widget of a form's Designer template standing for a field of the form's table, named
/// by the generated Ui class's member, so that a missing widget fails to compile.
template <class Ui>
struct WidgetBinding {
    std::string_view key;
    QLineEdit* Ui::*edit = nullptr;                 ///< Number, Text, Folder
    QComboBox* Ui::*combo = nullptr;                ///< Choice
    std::array<QComboBox * Ui::*, 4> charCombos{};  ///< Chars, left to right
};

/// Whether every field of the table has exactly one widget of its kind and every binding
/// names a field: checked at compile time by each form.
template <class S, class Ui, std::size_t N>
constexpr bool BindsEveryField(FieldTable<S> table,
                               const std::array<WidgetBinding<Ui>, N>& bindings) {
    // By position, not by pointer: a sanitizer's null checks make pointer comparisons
    // unusable in a constant expression.
    for (const WidgetBinding<Ui>& binding : bindings) {
        std::size_t index = 0;
        while (index < table.size() && table[index].key != binding.key) {
            ++index;
        }
        if (index == table.size()) {
            return false;
        }
        const FieldKind kind = table[index].kind;
        const bool edit =
            kind == FieldKind::Number || kind == FieldKind::Text || kind == FieldKind::Folder;
        const bool combo = kind == FieldKind::Choice;
        const bool chars = kind == FieldKind::Chars;
        if ((binding.edit != nullptr) != edit || (binding.combo != nullptr) != combo ||
            (binding.charCombos[0] != nullptr) != chars) {
            return false;
        }
    }
    for (const Field<S>& field : table) {
        std::size_t count = 0;
        for (const WidgetBinding<Ui>& binding : bindings) {
            count += binding.key == field.key ? 1 : 0;
        }
        if (count != 1) {
            return false;
        }
    }
    return true;
}

/// A field of the form's table bound to its widgets and to the member it edits; the form
/// base works on these whatever the form's settings type is.
struct BoundField {
    FieldKey key;
    FieldKind kind = FieldKind::Number;
    int list = -1;
    int min = 0;
    int max = 0;
    LimitMessage message = LimitMessage::ToolRange;
    bool asciiOnly = false;  ///< Text: reaches a network, so ASCII only
    int* number = nullptr;
    std::string* text = nullptr;
    std::array<int, 4>* chars = nullptr;
    QLineEdit* edit = nullptr;
    std::vector<QComboBox*> combos{};  ///< one, or four for Chars
    const int* toggle = nullptr;       ///< the switch that locks the field, if any
    int lockedWhen = 0;
    bool present = true;  ///< whether the family's form shows it
};

/// What every setup form does: binds the widgets of its template to its field table, reads
/// the form (the checks in order, stopping at the first failure) and writes it back, fills
/// and shows its lists, locks what a switch locks, keeps the folder row, writes its file
/// through the safe output with the write-failure message or the confirmation, and closes on
/// Exit. Each form class adds only its own handlers.
class CSetupFormDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSetupFormDlg)

public:
    ~CSetupFormDlg() override;

    /// The destination folder the next file goes to.
    const std::string& folder() const;

protected:
    CSetupFormDlg(const AppState& state, Platform& platform, QWidget* parent);

    /// Binds the family's fields to the template's widgets and to `settings`; fields of the
    /// other family hide their widgets' frame (the widget's parent). Called once, from the
    /// form's constructor, after setupUi.
    template <class S, class Ui, std::size_t N>
    void bindFields(FieldTable<S> table, Family family, S& settings, Ui& ui,
                    const std::array<WidgetBinding<Ui>, N>& bindings);

    /// The entries of a list, in order, in the form's language.
    using ChoicesFn = std::function<std::vector<std::string_view>(int list)>;
    /// Fills every bound list and shows the held selections (an empty list holds none).
    void fillLists(const ChoicesFn& choices);
    /// Fills one list; the held selection follows the list (none when it is empty).
    void fillList(FieldKey key, const std::vector<std::string_view>& entries, int selection);

    /// Reads the edit fields into the settings in the form's reading order, each checked as
    /// its field says; stops at the first failure, shows its message and focuses the field.
    bool readForm();
    /// Writes the held numbers and texts into the edit fields.
    void writeForm();
    /// Shows the held selections in the lists.
    void showSelections();
    /// Applies the lock of every field whose switch locks it.
    void applyLocks();
    /// Makes a field editable or read-only (lists: enabled or disabled).
    void setEditable(FieldKey key, bool editable);

    /// Wires Select to the folder picker, which opens at the folder shown; a cancelled picker
    /// leaves the folder as it was.
    void bindFolderButton(QPushButton* select);
    /// Wires Exit (and so Escape and the close box) to closing the form.
    void bindExitButton(QPushButton* exit);

    /// A button and the key that presses it.
    struct ButtonKey {
        QPushButton* button;
        QKeySequence key;
    };
    /// Called last by each form, with its texts set: gives Select (Alt+S), Exit (Alt+X) and the
    /// form's own `keys` their shortcuts, sizes the form to the screen (its rows in `rows`
    /// scroll where they do not fit) and puts the focus on the first field that takes typing.
    void prepareForUse(QScrollArea* rows, std::initializer_list<ButtonKey> keys);

    /// The form's file and how it is read (inspect's decoder for the form's model) and
    /// loaded into the form: for the card row's load offer, the backup of a file a write
    /// replaces and the count of the settings it changes. `load` gets a file the decoder
    /// found sound and without values no form writes.
    struct StoredFile {
        std::string_view fileName;
        std::function<FileReport(std::span<const std::uint8_t>)> decode;
        std::function<void(std::span<const std::uint8_t>, const FileReport&)> load = {};
    };
    void setStoredFile(StoredFile file);

    /// The form's file for profiles: its member ("menu"), the bytes Generate would write now
    /// (no value after a refusal the form has shown), and the bytes setting texts (in the
    /// file's code page) give through the command line's checks, or why not. With it, the
    /// form gets Save profile and Open profile beside Exit (prepareForUse).
    struct ProfileFile {
        std::string_view member;
        std::function<std::optional<std::vector<std::uint8_t>>()> build;
        std::function<std::optional<std::vector<std::uint8_t>>(const SettingTexts&,
                                                               std::string& refusal)>
            fromTexts;
    };
    void setProfileFile(ProfileFile file);

    /// Writes `bytes` as `fileName` into `folder`. On failure shows the write-failure message
    /// (path and reason) and returns false; on success shows `confirmation`, if any, with the
    /// written file's full path as its second line. `options.ownerOnly` for a file that holds
    /// passwords.
    bool writeConfigFile(const std::string& folder, std::string_view fileName,
                         std::span<const std::uint8_t> bytes,
                         const std::optional<std::string>& confirmation, WriteOptions options = {});

    /// A list's selection changed (the held value already follows it).
    virtual void listChanged(FieldKey key, int index);
    /// A number or text field was edited by the user (not yet read).
    virtual void fieldEdited(FieldKey key);
    /// A form's own rule on a field that was just read and passed its limit; false stops the
    /// read at that field (the rule shows its message).
    virtual bool fieldRead(FieldKey key);
    /// A file, a profile or the last settings were loaded into the form and the base's locks
    /// applied: a form's own rules of what takes typing follow.
    virtual void fileLoaded();

    void showEvent(QShowEvent* event) override;

    const BoundField* boundField(FieldKey key) const;
    const AppState& appState() const { return m_state; }
    Platform& platform() const { return m_platform; }

private:
    void addField(BoundField field, int readOrder);
    void connectField(const BoundField& field);
    bool readField(const BoundField& field);
    /// Says beside the field, without a modal box, why the last typed characters were refused.
    void showRefusal(QLineEdit* edit, const std::string& reason);
    void setLocked(const BoundField& field, bool locked);

    // The memory cards (CSetupFormCards.cpp): the row under the folder field, its refresh,
    // the load offer, the backup before a write and the eject offer after one.
    void setUpCardRow(QWidget* folderRow);
    void refreshCards(bool opening);
    void updateLoadOffer();
    /// The model the tool wrote these bytes of the form's file for in the folder; none when
    /// it did not (the file itself cannot tell).
    std::optional<int> writtenModelOf(std::span<const std::uint8_t> bytes) const;
    void loadStoredFile();
    /// Fills the form from a file's bytes as loading it from the card does.
    void loadFileBytes(std::span<const std::uint8_t> bytes);
    // Profiles (CSetupFormProfiles.cpp).
    void addProfileButtons();
    void saveProfile();
    void openProfile();
    /// Opens a profile's text for the form, with `passwords` over its settings: fills it, or
    /// says why not (shown, or only given in `quietRefusal`). Returns whether it did.
    bool applyProfileText(const std::string& text, const std::string& name,
                          const SettingTexts& passwords = {}, std::string* quietRefusal = nullptr);
    /// Fills the form from the last written settings and the passwords the keychain gave; the
    /// password fields of `missing` keys are left empty.
    bool applyLastWritten(const std::string& text, const SettingTexts& passwords,
                          const std::vector<std::string_view>& missing);
    // The settings last written for the model and form: kept after each write, offered once
    // when the form opens.
    std::filesystem::path lastSettingsPath() const;
    void keepLastWritten(std::span<const std::uint8_t> bytes);
    /// The keychain's key of a password of the last written settings.
    std::string lastSecretKey(std::string_view key) const;
    void offerLastWritten();
    ProfileFile m_profile;
    const cards::Card* cardAt(const std::string& folder) const;
    /// The write transaction for a form's file: the folder is the card it is the root of,
    /// checked to be still there; the replaced file kept; the changes named by the form's
    /// decoder.
    writes::WriteOutcome writeThroughTransaction(const std::string& folder,
                                                 std::string_view fileName,
                                                 std::span<const std::uint8_t> bytes,
                                                 WriteOptions options);
    /// After a write to a card: the confirmation with the offers to eject the card or to write
    /// the same to another (`writeAgain` writes into the next card's folder).
    void offerEject(const std::string& folder, const std::string& confirmation,
                    const std::function<void(const std::string&)>& writeAgain);
    std::string cardNamed(const std::string& folder) const;

#ifdef _WIN32
    /// Windows tells every top-level window when a volume arrives or leaves (WM_DEVICECHANGE):
    /// the card row is looked at again then, without waiting for the next poll.
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

    CardBar* m_cardBar = nullptr;
    std::vector<cards::Card> m_cards;
    StoredFile m_stored;

    const AppState& m_state;
    Platform& m_platform;
    std::vector<BoundField> m_fields;
    std::vector<std::pair<int, std::size_t>> m_readOrder;  // (place, index into m_fields)
    std::string* m_folder = nullptr;
    QPushButton* m_select = nullptr;
    QPushButton* m_exit = nullptr;
    QScrollArea* m_rows = nullptr;  ///< sized to the screen when the form is first shown
};

template <class S, class Ui, std::size_t N>
void CSetupFormDlg::bindFields(FieldTable<S> table, Family family, S& settings, Ui& ui,
                               const std::array<WidgetBinding<Ui>, N>& bindings) {
    for (const WidgetBinding<Ui>& binding : bindings) {
        const Field<S>& field = *FindField(table, binding.key);
        BoundField bound{.key = FieldKey::Of(field)};
        bound.kind = field.kind;
        bound.list = field.list;
        bound.min = field.min;
        bound.max = MaxFor(field, family);
        bound.message = field.message;
        bound.asciiOnly = field.asciiOnly;
        bound.present = field.present[family];
        if (field.number != nullptr) {
            bound.number = &(settings.*field.number);
        }
        if (field.text != nullptr) {
            bound.text = &(settings.*field.text);
        }
        if (field.chars != nullptr) {
            bound.chars = &(settings.*field.chars);
        }
        if (binding.edit != nullptr) {
            bound.edit = ui.*binding.edit;
        }
        if (binding.combo != nullptr) {
            bound.combos.push_back(ui.*binding.combo);
        }
        for (QComboBox* Ui::*combo : binding.charCombos) {
            if (combo != nullptr) {
                bound.combos.push_back(ui.*combo);
            }
        }
        if (!field.lock.toggleKey.empty()) {
            const Field<S>* toggle = FindField(table, field.lock.toggleKey);
            bound.toggle = &(settings.*toggle->number);
            bound.lockedWhen = field.lock.lockedWhen;
        }
        addField(std::move(bound), field.present[family] ? field.readOrder[family] : kNotRead);
    }
}

}  // namespace tov
