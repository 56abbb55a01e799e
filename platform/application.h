#pragma once

#include <functional>

class QApplication;

// Program-wide set-up and the one way out.
namespace application {

// Style, fonts and icon shared by every screen; call once after the
// QApplication exists.
void initialise(QApplication& app);

// Ends the program at once: every screen goes, and no further handler runs.
void end();
// Tests see the end here instead of the process stopping.
void setEndHandler(std::function<void()> handler);

}  // namespace application
