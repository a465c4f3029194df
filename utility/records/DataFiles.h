// Where the editors find their tables and how they open them.
#pragma once

#include <string>

namespace quillmap {

inline constexpr char kEditorDefaultDataDirectory[] = "C:\\FS6\\GPS\\DATA\\";
inline constexpr char kTablePassword[] = "KW%BN4#3";

// "<directory>\<alias>.DBF": the editors add a backslash of their own.
inline std::string EditorTablePath(const std::string& directory, const char* alias)
{
    return directory + "\\" + alias + ".DBF";
}

}  // namespace quillmap
