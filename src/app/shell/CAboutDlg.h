#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CAboutDlg;
}

namespace tov {

/// The About box: the application icon, a notice line with the version, the maker's
/// address and OK.
class CAboutDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;
    CAboutDlg(const CAboutDlg&) = delete;
    CAboutDlg& operator=(const CAboutDlg&) = delete;

private:
    std::unique_ptr<Ui::CAboutDlg> m_ui;
};

}  // namespace tov
