// The gauge's once-a-second cycle, run by timer 1 while the unit is on.
#pragma once

namespace gauge {

void RunGaugeCycle();

}  // namespace gauge
