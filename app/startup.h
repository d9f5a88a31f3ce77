// Start and end of the program.
#pragma once

class QApplication;

namespace app {

// Registers every window with the registry (tests call this too).
void RegisterWindows();

// Shows the first window and runs until the program ends.
int Run(QApplication &application);

} // namespace app
