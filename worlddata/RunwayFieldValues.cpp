#include "RunwayFieldValues.h"

#include <cstdio>

namespace worlddata {

namespace {

const char* SurfaceOfCode(int code)
{
    switch (code) {
    case AsphaltSurface:
        return "ASPH";
    case ConcreteSurface:
        return "CONC";
    case GrassSurface:
        return "GRASS";
    case DirtSurface:
        return "DIRT";
    case GravelSurface:
        return "GRVL";
    case DryLakebedSurface:
        return "LAKE";
    case WaterSurface:
        return "WATER";
    case SnowOrIceSurface:
        return "SNOW";
    case TransparentSurface:
        return "TRANSP";
    default:
        break;
    }
    if (code >= FirstAsphaltKind && code <= LastAsphaltKind) return "ASPH";
    if (code >= FirstConcreteKind && code <= LastConcreteKind) return "CONC";
    return "OTHER";
}

const char* EdgeLightsName(int code)
{
    switch (code) {
    case 1:
        return "LIRL";
    case 2:
        return "MIRL";
    case 3:
        return "HIRL";
    default:
        return "";
    }
}

void AddWord(std::string& text, const char* word)
{
    if (!*word) return;
    if (!text.empty()) text += ' ';
    text += word;
}

}  // namespace

std::string RunwayDesignators(const AptRunway& runway)
{
    if (runway.kind == RunwayKind::Helipad) return runway.ends[0].designator;
    return runway.ends[0].designator + "/" + runway.ends[1].designator;
}

std::string SurfaceName(const AptRunway& runway)
{
    return runway.kind == RunwayKind::Water ? "WATER" : SurfaceOfCode(runway.surfaceCode);
}

std::string LightingRemark(const AptRunway& runway)
{
    std::string remark;
    AddWord(remark, EdgeLightsName(runway.edgeLights));
    if (runway.centrelineLights) AddWord(remark, "CL");
    if (runway.ends[0].approachLights > 0 || runway.ends[1].approachLights > 0)
        AddWord(remark, "ALS");
    if (runway.ends[0].reil || runway.ends[1].reil) AddWord(remark, "REIL");
    if (runway.lightsOfUnknownKind) AddWord(remark, "LIGHTED");
    return remark;
}

std::string MegahertzText(int khz)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", khz / 1000, khz % 1000 / 10);
    return text;
}

}  // namespace worlddata
