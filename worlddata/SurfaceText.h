// Runway surfaces given as free text (the CSV data set: "ASP", "Asphalt", "CON", "GRS",
// "turf", "GRVL", "WATER", ...) as the surface codes of apt.dat, so that SurfaceName names
// them as it names those of apt.dat.
#pragma once

#include <string_view>

namespace worlddata {

// The code of the first word's surface (case ignored): "Asphalt/Grass" is asphalt; 0 (other)
// for a text it does not know.
int SurfaceCodeOfText(std::string_view text);

}  // namespace worlddata
