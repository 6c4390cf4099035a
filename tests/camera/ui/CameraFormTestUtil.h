#pragma once

#include "camera/core/CameraSettings.h"
#include "camera/core/MenuFile.h"
#include "common/AppState.h"
#include "common/ConfigFile.h"
#include "common/FilePath.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdint>
#include <string>
#include <vector>

namespace tov::test {

/// The widget `name` of a form; stops the test program when the template lacks it.
template <class Widget = QWidget>
Widget* Child(const QWidget& form, const char* name) {
    auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        qFatal("The form has no %s named %s", Widget::staticMetaObject.className(), name);
    }
    return widget;
}

inline QLineEdit* Edit(const QWidget& form, const char* name) {
    return Child<QLineEdit>(form, name);
}
inline QComboBox* Combo(const QWidget& form, const char* name) {
    return Child<QComboBox>(form, name);
}
inline QString LabelText(const QWidget& form, const char* name) {
    return Child<QLabel>(form, name)->text();
}
inline void Click(const QWidget& form, const char* buttonName) {
    QTest::mouseClick(Child<QPushButton>(form, buttonName), Qt::LeftButton);
}

/// Replaces the field's text by typing it, as a user would: each keystroke runs the handlers.
inline void TypeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

/// Deletes all of the field's text with one keystroke.
inline void EraseField(QLineEdit* edit) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
}

inline AppState StateFor(int modelIndex, int languageIndex) {
    AppState state;
    state.modelIndex = modelIndex;
    state.languageIndex = languageIndex;
    return state;
}

inline std::vector<std::uint8_t> Bytes(const MenuRecord& record) {
    return {record.begin(), record.end()};
}

/// A camera form on screen with a fake platform, pointed at a fresh temporary folder.
template <class Dialog>
struct FormHarness {
    explicit FormHarness(AppState appState) : state(appState), form(state, platform) {
        form.show();
        platform.folderAnswers.push_back(dir.str());
        Click(form, "selectButton");
        platform.Clear();
    }

    std::vector<std::uint8_t> MenuFile() const { return ReadBytes(dir.path() / "menu.dat"); }
    /// A confirmation as the form shows it: the message, then where the file went.
    std::string Confirmed(const std::string& message) const {
        return message + "\n" + PathText(ConfigFilePath(dir.str(), kMenuFileName));
    }

    FakePlatform platform;
    AppState state;
    TempDir dir;
    Dialog form;
};

}  // namespace tov::test
