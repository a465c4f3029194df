#include "SurfaceText.h"

#include <cctype>

namespace quillmap {

namespace {

struct SurfacePrefix {
    std::string_view prefix;
    int code;  // of apt.dat: 1 asphalt, 2 concrete, 3 grass, 4 dirt, 5 gravel, 12 dry
               // lakebed, 13 water, 14 snow or ice
};

// Words and the abbreviations in use, by their beginnings; "GRE" (graded earth) and
// "LAT" (laterite) are dirt, "PEM" (part concrete, part asphalt) and "BIT" (bitumen)
// hard surfaces.
constexpr SurfacePrefix Prefixes[] = {
    {"ASP", 1},   {"BIT", 1},  {"TAR", 1},   {"CON", 2},  {"PEM", 2},   {"GRASS", 3},
    {"GRS", 3},   {"TURF", 3}, {"GRAV", 5},  {"GRV", 5},  {"GVL", 5},   {"GRE", 4},
    {"DIRT", 4},  {"CLA", 4},  {"SAND", 4},  {"SOIL", 4}, {"EARTH", 4}, {"LAT", 4},
    {"LAKE", 12}, {"WAT", 13}, {"SNOW", 14}, {"ICE", 14},
};

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

}  // namespace

int SurfaceCodeOfText(std::string_view text)
{
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return 0;
    text.remove_prefix(start);
    for (const SurfacePrefix& surface : Prefixes) {
        if (StartsWithIgnoringCase(text, surface.prefix)) return surface.code;
    }
    return 0;
}

}  // namespace quillmap
