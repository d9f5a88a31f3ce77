// The composition of the windows: the one place that knows every window. It
// registers each with the registry, owns the order of the exit path, and
// carries out what a window asks of the others (the star database plotting
// on the diagrams, "Import Data", "About").
#pragma once

namespace app {

// Registers every window and the exit order (start-up, and tests, call this).
void RegisterWindows();

} // namespace app
