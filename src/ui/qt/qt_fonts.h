// The window's fonts on a system that may lack them.
#pragma once

#include <QFont>
#include <QPalette>

#include "ui/types.h"

namespace sigillo::ui::qt {

// Tells Qt the installed fonts that stand in for the Windows fonts the window asks
// for, when those are missing. Once per process.
void InstallFontSubstitutes();

QFont QtFont(const Font& font);

QColor ColorOf(SystemColor color, const QPalette& palette);

}  // namespace sigillo::ui::qt
