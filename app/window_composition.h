// The composition of the windows: the one place that knows every window. It
// registers each with the registry, owns the order of the exit path, and
// carries out what a window asks for: the next window in its place, the
// relative size view of a diagram's star, the star database plotting on the
// diagrams, "Import Data", "About" and "Exit". The windows only ask, by
// signal or through windows::DiagramLink.
#pragma once

namespace app {

// Registers every window and the exit order (start-up, and tests, call this).
void RegisterWindows();

} // namespace app
