#include "PreferencesDialog.h"

#include "QuillmapResources.h"
#include "Settings.h"

namespace quillmap {

PreferencesDialog::PreferencesDialog() : ModalDialog(IDD_PREFERENCES) {}

bool PreferencesDialog::OnInit()
{
    const appframe::RegistryProfile& profile = Profile();
    SetItemText(IDC_PATH, profile.GetString(kSettingsSection, kPathEntry, ""));
    SetItemInt(IDC_POS_X, profile.GetInt(kSettingsSection, kPosXEntry, 0));
    SetItemInt(IDC_POS_Y, profile.GetInt(kSettingsSection, kPosYEntry, 0));
    return true;
}

void PreferencesDialog::OnOK()
{
    // No check: the path is stored as typed, and text that is not a number stores 0.
    const appframe::RegistryProfile& profile = Profile();
    profile.WriteString(kSettingsSection, kPathEntry, ItemText(IDC_PATH).c_str());
    profile.WriteInt(kSettingsSection, kPosXEntry, ItemInt(IDC_POS_X));
    profile.WriteInt(kSettingsSection, kPosYEntry, ItemInt(IDC_POS_Y));
    End(IDOK);
}

}  // namespace quillmap
