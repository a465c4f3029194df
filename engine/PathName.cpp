#include "PathName.h"

namespace sde {

namespace {
#ifdef _WIN32
constexpr char Separator = '\\';
#else
constexpr char Separator = '/';
#endif

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}
}  // namespace

std::string PlatformPath(const char* path)
{
    std::string result;
    if (!path) return result;
    const char* p = path;
#ifdef _WIN32
    // A network name (\\server\share) keeps its leading pair.
    if (IsSeparator(p[0]) && IsSeparator(p[1])) {
        result += "\\\\";
        p += 2;
        while (IsSeparator(*p)) ++p;
    }
#endif
    for (; *p; ++p) {
        if (IsSeparator(*p)) {
            if (result.empty() || result.back() != Separator) result += Separator;
        } else {
            result += *p;
        }
    }
    return result;
}

std::string IndexPathFor(const std::string& tablePath)
{
    size_t nameStart = tablePath.find_last_of("\\/");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    size_t dot = tablePath.rfind('.');
    bool lowerCase = false;
    std::string stem = tablePath;
    if (dot != std::string::npos && dot >= nameStart) {
        lowerCase =
            dot + 1 < tablePath.size() && tablePath[dot + 1] >= 'a' && tablePath[dot + 1] <= 'z';
        stem = tablePath.substr(0, dot);
    }
    return stem + (lowerCase ? ".qix" : ".QIX");
}

}  // namespace sde
