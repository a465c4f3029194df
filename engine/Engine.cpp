#include "Engine.h"

#include "AsciiText.h"
#include "KeyExpression.h"
#include "PathName.h"

namespace sde {

namespace {

std::string UpperAlias(const char* alias)
{
    return nav::Upper(alias ? alias : "");
}

// An open without an alias is known by the file's base name, as in xBase.
std::string DefaultAlias(const std::string& path)
{
    size_t start = path.find_last_of("\\/");
    start = start == std::string::npos ? 0 : start + 1;
    size_t dot = path.find('.', start);
    return UpperAlias(
        path.substr(start, dot == std::string::npos ? std::string::npos : dot - start).c_str());
}

}  // namespace

Engine& Engine::Instance()
{
    static Engine engine;
    return engine;
}

int Engine::Open(const char* path, const char* alias, int mode)
{
    LeaveRecords();
    current_ = 0;
    if (!path || mode < 0 || mode > 2) return 0;
    std::string file = PlatformPath(path);
    std::string name = alias && *alias ? UpperAlias(alias) : DefaultAlias(file);
    // An alias names one area: opening under an alias in use closes that area first.
    if (int existing = AreaOfAlias(name.c_str())) areas_[existing - 1].reset();

    size_t slot = 0;
    while (slot < areas_.size() && areas_[slot]) ++slot;
    auto area = std::make_unique<WorkArea>(settings_);
    if (!area->Open(file, name, static_cast<OpenMode>(mode))) return 0;
    if (slot == areas_.size()) areas_.push_back(nullptr);
    areas_[slot] = std::move(area);
    current_ = static_cast<int>(slot + 1);
    return current_;
}

void Engine::LeaveRecords()
{
    bool written = false;
    for (auto& area : areas_)
        if (area && area->Flush()) written = true;
    // The other areas' handles cache what they read before.
    if (written)
        for (auto& area : areas_)
            if (area) area->ForgetCachedRecords();
}

void Engine::CloseAll()
{
    LeaveRecords();
    areas_.clear();
    current_ = 0;
}

int Engine::AreaOfAlias(const char* alias) const
{
    std::string wanted = UpperAlias(alias);
    for (size_t i = 0; i < areas_.size(); ++i)
        if (areas_[i] && areas_[i]->Alias() == wanted) return static_cast<int>(i + 1);
    return 0;
}

void Engine::Select(int area)
{
    LeaveRecords();
    current_ = area >= 1 && area <= static_cast<int>(areas_.size()) && areas_[area - 1] ? area : 0;
}

WorkArea* Engine::Current()
{
    return current_ ? areas_[current_ - 1].get() : nullptr;
}

void Engine::Restart()
{
    CloseAll();
    settings_ = EngineSettings();
}

const char* Engine::Text(const char* bytes, int width)
{
    if (bytes)
        text_.assign(bytes, static_cast<size_t>(width));
    else
        text_.clear();
    return text_.c_str();
}

}  // namespace sde
