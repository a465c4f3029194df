// The main dialog of Quillmap: one button per editor or whole-database operation. It sets
// the table engine's start settings and warns when the flight simulator is running.
#pragma once

#include "ModalDialog.h"

namespace quillmap {

class MainDialog final : public winkit::ModalDialog {
public:
    MainDialog();

protected:
    bool OnInit() override;
    bool OnButtonClicked(int id) override;

private:
    HICON bigIcon_;
    HICON smallIcon_;
};

}  // namespace quillmap
