// Start and end of the program.
#pragma once

class QApplication;

namespace app {

// Shows the first window and runs until the program ends.
int Run(QApplication &application);

} // namespace app
