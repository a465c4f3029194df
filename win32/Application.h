// The program's one application object: its name, its registry profile, its main window and
// the one-time initialisation that WinMain runs.
#pragma once

#include "RegistryProfile.h"
#include "Window.h"

#include <windows.h>

#include <optional>
#include <string>

namespace winkit {

class Application {
public:
    // The name is the caption of message boxes shown without one and the registry component
    // behind the key word.
    explicit Application(std::string name);
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application object of the process (the one constructed last), or null.
    static Application* Current();

    const std::string& Name() const { return name_; }

    // Puts the profile under HKEY_CURRENT_USER\Software\<key word>\<name>.
    void SetRegistryKey(const std::string& keyWord) { profile_.emplace(keyWord, name_); }
    // The profile; SetRegistryKey must have run.
    const RegistryProfile& Profile() const { return *profile_; }

    // The window that owns dialogs run without an owner of their own; null when none.
    HWND MainWindow() const { return mainWindow_ ? mainWindow_->Handle() : nullptr; }
    void SetMainWindow(const Window* window) { mainWindow_ = window; }

    // WinMain's whole work. A dialog program does everything inside its initialisation
    // (its main dialog runs modally there), so no message loop follows it.
    int Run()
    {
        InitInstance();
        return 0;
    }

protected:
    virtual void InitInstance() = 0;

private:
    std::string name_;
    std::optional<RegistryProfile> profile_;
    const Window* mainWindow_ = nullptr;
    Application* previous_;
};

}  // namespace winkit
