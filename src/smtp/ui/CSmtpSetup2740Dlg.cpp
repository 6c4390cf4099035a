#include "smtp/ui/CSmtpSetup2740Dlg.h"

namespace tov {
namespace {

// Models of the second family open the other form; should one reach this form, it behaves as
// any model outside the list does (titles and messages name 2740).
int FirstFamilyModel(int modelIndex) {
    return FamilyOf(modelIndex) == Family::First ? modelIndex : 0;
}

}  // namespace

CSmtpSetup2740Dlg::CSmtpSetup2740Dlg(const AppState& state, Platform& platform, QWidget* parent)
    : CSmtpSetupDlg(state, platform, FirstFamilyModel(state.modelIndex), parent) {}

}  // namespace tov
