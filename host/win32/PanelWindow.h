// The host's main window in interactive mode: it shows the gauge enlarged, passes clicks
// to its buttons and runs the simulation in real time.
#pragma once

namespace host {

class PanelHost;

// Shows the host's main window with the gauge enlarged `scale` times and runs the message
// loop until the window is closed; each real second is one simulated second. Returns the
// loop's exit code; 1 without a main window.
int RunInteractive(PanelHost& host, int scale);

}  // namespace host
