#include "PreferencesDialog.h"

#include "NavigationTables.h"
#include "QuillmapResources.h"
#include "QuillmapSettings.h"

namespace quillmap {

PreferencesDialog::PreferencesDialog() : ModalDialog(IDD_PREFERENCES) {}

bool PreferencesDialog::OnInit()
{
    const winkit::RegistryProfile& profile = Profile();
    SetItemText(IDC_PATH, profile.GetString(nav::SettingsSection, nav::DataPathValue, ""));
    SetItemInt(IDC_POS_X, profile.GetInt(nav::SettingsSection, PosXEntry, 0));
    SetItemInt(IDC_POS_Y, profile.GetInt(nav::SettingsSection, PosYEntry, 0));
    return true;
}

void PreferencesDialog::OnOK()
{
    // The path is stored as typed but for a closing backslash left out; text that is not a
    // number stores 0.
    const winkit::RegistryProfile& profile = Profile();
    profile.WriteString(nav::SettingsSection, nav::DataPathValue,
                        nav::DataDirectoryAsStored(ItemText(IDC_PATH)).c_str());
    profile.WriteInt(nav::SettingsSection, PosXEntry, ItemInt(IDC_POS_X));
    profile.WriteInt(nav::SettingsSection, PosYEntry, ItemInt(IDC_POS_Y));
    End(IDOK);
}

}  // namespace quillmap
