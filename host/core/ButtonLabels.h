// The labels of the gauge's ten buttons, in the order of its button areas: the words a
// scenario clicks by, and the names of the lamps that sit on the buttons.
#pragma once

namespace host {

inline constexpr const char* ButtonLabels[10] = {"NAV", "INF", "ALR", "SET", "PWR",
                                                 "DTO", "RTE", "AUT", "<",   ">"};

}  // namespace host
