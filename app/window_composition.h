// The composition of the windows: the one place that knows every window. It
// registers each with the registry, owns the order of the exit path, and
// carries out what a window asks for: the next window in its place, the
// relative size view of a diagram's star, the star database plotting on the
// diagrams, "Import Data", "About" and "Exit". The windows only ask, by
// signal or through windows::DiagramLink.
#pragma once

namespace windows {
class DiagramLink;
}

namespace app {

// The diagram windows as any other window reaches them: the star database,
// and whichever window shows a star it works out on both diagrams.
windows::DiagramLink &TheDiagrams();

// Registers every window and the exit order (start-up, and tests, call this).
void RegisterWindows();

} // namespace app
