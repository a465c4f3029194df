// An application object named and keyed as Quillmap's, for tests that run single dialogs.
#pragma once

#include "Application.h"
#include "SharedNames.h"

namespace uitest {

class TestApplication final : public winkit::Application {
public:
    TestApplication() : Application(nav::RegistryProgramKey)
    {
        SetRegistryKey(nav::RegistryCompanyKey);
    }

protected:
    void InitInstance() override {}
};

}  // namespace uitest
