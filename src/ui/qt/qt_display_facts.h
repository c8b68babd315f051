// The facts about the screen, the cursor and the user's last input that only the
// windowing system knows, for the system report.
#pragma once

#include <memory>

#include "toolz/facts.h"

namespace sigillo::ui::qt {

// Starts watching the application's input (for the idle time) and returns the
// provider to install with SetDisplayFactsProvider. Needs the QApplication.
std::shared_ptr<const DisplayFacts> MakeDisplayFacts();

}  // namespace sigillo::ui::qt
