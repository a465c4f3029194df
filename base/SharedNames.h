// The names outside the tables that the gauge, the database program and the panel host must
// spell alike: where the data directory is kept in the registry and the class of the
// simulator's main window. The tables' own names (files, aliases, tags) are in
// NavigationTables.h.
#pragma once

namespace nav {

// The settings live under HKEY_CURRENT_USER\Software\Borealwing\GPS, one subkey per
// section; every program forms the key from the company key (the registry profile's key
// word) and the program key (its application name), win32/SharedSettings.h.
inline constexpr char RegistryCompanyKey[] = "Borealwing";
inline constexpr char RegistryProgramKey[] = "GPS";
inline constexpr char SettingsSection[] = "Settings";
// The data directory, ending with a backslash, in the settings section.
inline constexpr char DataPathValue[] = "PATH";

// The class of the flight simulator's main window: the gauge takes it as its owner window
// and the database program looks for it to warn that the simulator is running.
inline constexpr char SimulatorWindowClass[] = "FS98MAIN";

}  // namespace nav
