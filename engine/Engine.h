// The engine's session: the work areas (numbered from 1), the current one, the settings
// that apply to every area, and the buffer that holds the last text result. The C
// operations of TableEngine.h forward here; every one of them is harmless when no table
// is current.
#pragma once

#include "WorkArea.h"

#include <memory>
#include <string>
#include <vector>

namespace sde {

class Engine {
public:
    static Engine& Instance();

    int Open(const char* path, const char* alias, int mode);
    void CloseAll();
    int AreaOfAlias(const char* alias) const;
    void Select(int area);
    WorkArea* Current();

    EngineSettings& Settings() { return settings_; }
    // EngineSetStartFlag: a fresh session (every table closed, settings back to their
    // defaults: deleted records shown, soft seek off).
    void Restart();

    const char* Text(const char* bytes, int width);

private:
    // Writes every area's changed current record before another area can read the file.
    void LeaveRecords();

    EngineSettings settings_;
    std::vector<std::unique_ptr<WorkArea>> areas_;  // index = area number - 1
    int current_ = 0;
    std::string text_;
};

}  // namespace sde
