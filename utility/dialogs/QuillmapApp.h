// The application object of Quillmap.exe: application name "GPS", profile under the key
// word Borealwing, and the main dialog run modally as the whole program.
#pragma once

#include "Application.h"

namespace quillmap {

class QuillmapApp final : public winkit::Application {
public:
    QuillmapApp();

protected:
    void InitInstance() override;
};

}  // namespace quillmap
