#include "SurfaceText.h"

#include "AptDatReader.h"
#include "AsciiText.h"

namespace worlddata {

namespace {

struct SurfacePrefix {
    std::string_view prefix;
    AptSurface code;
};

// Words and the abbreviations in use, by their beginnings; "GRE" (graded earth) and
// "LAT" (laterite) are dirt, "PEM" (part concrete, part asphalt) and "BIT" (bitumen)
// hard surfaces.
constexpr SurfacePrefix Prefixes[] = {
    {"ASP", AsphaltSurface},     {"BIT", AsphaltSurface},  {"TAR", AsphaltSurface},
    {"CON", ConcreteSurface},    {"PEM", ConcreteSurface}, {"GRASS", GrassSurface},
    {"GRS", GrassSurface},       {"TURF", GrassSurface},   {"GRAV", GravelSurface},
    {"GRV", GravelSurface},      {"GVL", GravelSurface},   {"GRE", DirtSurface},
    {"DIRT", DirtSurface},       {"CLA", DirtSurface},     {"SAND", DirtSurface},
    {"SOIL", DirtSurface},       {"EARTH", DirtSurface},   {"LAT", DirtSurface},
    {"LAKE", DryLakebedSurface}, {"WAT", WaterSurface},    {"SNOW", SnowOrIceSurface},
    {"ICE", SnowOrIceSurface},
};

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return nav::EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
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

}  // namespace worlddata
