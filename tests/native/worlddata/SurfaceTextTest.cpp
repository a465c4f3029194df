// Free-text runway surfaces as the surface codes of apt.dat, named as SurfaceName names them.
#include "RunwayFieldValues.h"
#include "SurfaceText.h"

#include <gtest/gtest.h>

using namespace worlddata;

namespace {

std::string Surface(const char* text)
{
    AptRunway runway;
    runway.surfaceCode = SurfaceCodeOfText(text);
    return SurfaceName(runway);
}

TEST(SurfaceText, AbbreviationsAndWordsInAnyCase)
{
    for (auto [text, name] : {std::pair{"ASP", "ASPH"},
                              {"Asphalt", "ASPH"},
                              {"asphalt/grass", "ASPH"},
                              {"BIT", "ASPH"},
                              {"CON", "CONC"},
                              {"Concrete", "CONC"},
                              {"PEM", "CONC"},
                              {"GRS", "GRASS"},
                              {"turf", "GRASS"},
                              {"Grass", "GRASS"},
                              {"GRVL", "GRVL"},
                              {"gravel", "GRVL"},
                              {"GRE", "DIRT"},
                              {"Dirt", "DIRT"},
                              {"clay", "DIRT"},
                              {"sand", "DIRT"},
                              {"LAKEBED", "LAKE"},
                              {"WATER", "WATER"},
                              {" snow", "SNOW"},
                              {"ICE", "SNOW"},
                              {"U", "OTHER"},
                              {"", "OTHER"},
                              {"metal grating", "OTHER"}})
        EXPECT_EQ(Surface(text), name) << text;
}

}  // namespace
