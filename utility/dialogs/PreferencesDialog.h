// "Preferences": the data directory ("PATH") and the two numbers X and Y, all three
// rewritten on OK, none on Cancel.
#pragma once

#include "ModalDialog.h"

namespace quillmap {

class PreferencesDialog final : public winkit::ModalDialog {
public:
    PreferencesDialog();

protected:
    bool OnInit() override;
    void OnOK() override;
};

}  // namespace quillmap
