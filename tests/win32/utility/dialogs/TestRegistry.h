// The program's registry key as the tests see it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace uitest {

inline constexpr char ProgramKey[] = "Software\\Borealwing";
inline constexpr char SettingsKey[] = "Software\\Borealwing\\GPS\\Settings";

// Removes HKEY_CURRENT_USER\Software\Borealwing with everything below it.
void DeleteProgramKey();
bool KeyExists(const char* path);
// Number of values directly under the key; 0 when it does not exist.
DWORD ValueCount(const char* path);
std::optional<std::string> StringValue(const char* path, const char* name);
std::optional<DWORD> NumberValue(const char* path, const char* name);
void PutString(const char* path, const char* name, const std::string& value);
void PutNumber(const char* path, const char* name, DWORD value);

}  // namespace uitest
