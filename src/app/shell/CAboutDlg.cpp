#include "app/shell/CAboutDlg.h"

#include "app/shell/ApplicationStyle.h"
#include "ui_CAboutDlg.h"

#include <QDialogButtonBox>

namespace tov {
namespace {

constexpr int kIconSize = 48;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::CAboutDlg>()) {
    m_ui->setupUi(this);
    setWindowTitle(QStringLiteral("About Setup"));
    setWindowIcon(ApplicationIcon());
    m_ui->iconLabel->setPixmap(ApplicationIcon().pixmap(kIconSize, kIconSize));
    m_ui->noticeLabel->setText(QStringLiteral("Tov Brenn Setup, version " TOV_VERSION_TEXT));
    m_ui->makerLabel->setText(QStringLiteral(TOV_MAKER_URL));
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace tov
