// "Find": moves the current work area's record to the one found by number, identifier or
// name. Its boxes start empty each time.
#pragma once

#include "ModalDialog.h"

namespace quillmap {

class FindDialog final : public winkit::ModalDialog {
public:
    FindDialog();

protected:
    void OnOK() override;
};

}  // namespace quillmap
