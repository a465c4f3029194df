#include "Engine.h"

#include "KeyExpression.h"
#include "PathName.h"

namespace sde {

namespace {

std::string upperAlias(const char* alias) {
    std::string out;
    for (const char* p = alias; p && *p; ++p) out += upperAscii(*p);
    return out;
}

// An open without an alias is known by the file's base name, as in xBase.
std::string defaultAlias(const std::string& path) {
    size_t start = path.find_last_of("\\/");
    start = start == std::string::npos ? 0 : start + 1;
    size_t dot = path.find('.', start);
    return upperAlias(path.substr(start, dot == std::string::npos ? std::string::npos : dot - start).c_str());
}

}  // namespace

Engine& Engine::instance() {
    static Engine engine;
    return engine;
}

int Engine::open(const char* path, const char* alias, int mode) {
    leaveRecords();
    current_ = 0;
    if (!path || mode < 0 || mode > 2) return 0;
    std::string file = platformPath(path);
    std::string name = alias && *alias ? upperAlias(alias) : defaultAlias(file);
    // An alias names one area: opening under an alias in use closes that area first.
    if (int existing = areaOfAlias(name.c_str())) areas_[existing - 1].reset();

    size_t slot = 0;
    while (slot < areas_.size() && areas_[slot]) ++slot;
    auto area = std::make_unique<WorkArea>(settings_);
    if (!area->open(file, name, static_cast<OpenMode>(mode))) return 0;
    if (slot == areas_.size()) areas_.push_back(nullptr);
    areas_[slot] = std::move(area);
    current_ = static_cast<int>(slot + 1);
    return current_;
}

void Engine::leaveRecords() {
    bool written = false;
    for (auto& area : areas_)
        if (area && area->flush()) written = true;
    // The other areas' handles cache what they read before.
    if (written)
        for (auto& area : areas_)
            if (area) area->forgetCachedRecords();
}

void Engine::closeAll() {
    leaveRecords();
    areas_.clear();
    current_ = 0;
}

int Engine::areaOfAlias(const char* alias) const {
    std::string wanted = upperAlias(alias);
    for (size_t i = 0; i < areas_.size(); ++i)
        if (areas_[i] && areas_[i]->alias() == wanted) return static_cast<int>(i + 1);
    return 0;
}

void Engine::select(int area) {
    leaveRecords();
    current_ = area >= 1 && area <= static_cast<int>(areas_.size()) && areas_[area - 1] ? area : 0;
}

WorkArea* Engine::current() {
    return current_ ? areas_[current_ - 1].get() : nullptr;
}

void Engine::restart() {
    closeAll();
    settings_ = EngineSettings();
}

const char* Engine::text(const char* bytes, int width) {
    if (bytes) text_.assign(bytes, static_cast<size_t>(width));
    else text_.clear();
    return text_.c_str();
}

}  // namespace sde
