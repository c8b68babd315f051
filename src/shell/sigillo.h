// The program's start-up: title, main window, message loop.
#pragma once

#include "fileops/operations.h"
#include "ui/application.h"

namespace sigillo {

// Runs the program on an initialised application object until its window closes.
int RunSigillo(ui::Application& app, OperationContext& operations);

}  // namespace sigillo
