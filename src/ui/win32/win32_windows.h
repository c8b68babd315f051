// The Windows API for the layer's files: <windows.h> without the macro that would
// rename the form's MessageBox. Include this before any header of the layer.
#pragma once

#include <windows.h>
#undef MessageBox
