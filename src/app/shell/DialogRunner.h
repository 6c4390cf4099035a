#pragma once

#include <QDialog>

#include <functional>

namespace tov {

/// Runs a dialog modally and returns its result. The application runs them with exec();
/// tests pass a runner that drives the dialog and returns at once.
using DialogRunner = std::function<int(QDialog&)>;

inline int RunModal(QDialog& dialog) {
    return dialog.exec();
}

}  // namespace tov
