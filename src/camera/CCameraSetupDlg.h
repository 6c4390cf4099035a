#pragma once

#include "app/AppState.h"
#include "app/Platform.h"
#include "camera/CameraChoices.h"
#include "camera/CameraFieldRules.h"
#include "camera/CameraMenuSettings.h"
#include "camera/CameraModelInfo.h"
#include "camera/ClockSnapshot.h"
#include "camera/MenuRecord.h"

#include <QDialog>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

class QComboBox;
class QLineEdit;

namespace tov {

/// What one camera family adds to the shared form: the model it shows, its record builder
/// and the lists that only its template has.
struct CameraFormFamily {
    /// A drop-down list beyond the common ones, held in the family's own settings field.
    struct ExtraList {
        CameraList list;
        const char* objectName;
        int* field;
    };

    int modelIndex = 0;
    std::function<MenuRecord(ClockSnapshot& clock, int languageByte, int tvMode)> buildRecord;
    std::vector<ExtraList> extraLists;
};

/// The camera menu form of both families: all behaviour lives here; the family classes load
/// their template, own their settings and pass their differences to Open().
class CCameraSetupDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCameraSetupDlg)

public:
    ~CCameraSetupDlg() override;

    /// The clock value that Generate writes (taken at opening, Get Time and date format changes).
    const ClockSnapshot& clock() const { return m_clock; }

protected:
    CCameraSetupDlg(const AppState& state, Platform& platform, QWidget* parent);

    /// Wires the loaded template to `settings` and brings the form into its opening state.
    void Open(CameraMenuSettings& settings, CameraFormFamily family);

private:
    struct ListBinding {
        QComboBox* combo;
        CameraList list;
        int* field;
    };
    /// Fields that a switch list makes read-only (and lists it disables) while it is Off.
    struct SwitchLock {
        const int* toggle;
        int lockedValue;
        std::vector<QWidget*> widgets;
    };

    template <class Widget>
    Widget* child(std::string_view objectName) const;
    QLineEdit* editFor(std::string_view key) const;

    void bindLists();
    void bindFields();
    void bindLocks();
    void bindButtons();
    void applyTexts();
    void fillLists();

    bool readForm();
    bool readField(const CameraFieldCheck& check, QLineEdit* edit);
    void writeForm();
    void showSelections();
    void applyLocks();
    void takeClock();

    void onListChanged(const ListBinding& binding, int index);
    void onFieldEdited(std::string_view key);
    void onGetTime();
    void onSelectFolder();
    void onGenerate();
    void onDefault();
    void writeMenu(const std::string& folder, const MenuRecord& record, bool factory);

    const AppState& m_state;
    Platform& m_platform;
    CameraMenuSettings* m_settings = nullptr;
    CameraFormFamily m_family;
    const CameraModelInfo* m_info = nullptr;
    std::span<const CameraFieldCheck> m_readOrder;
    std::vector<QLineEdit*> m_readEdits;  // parallel to m_readOrder
    std::vector<ListBinding> m_lists;
    std::vector<SwitchLock> m_locks;
    ClockSnapshot m_clock;
    QLineEdit* m_clockEdit = nullptr;
};

}  // namespace tov
