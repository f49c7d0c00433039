#pragma once
#include "ui/platform.h"

namespace ui {

// The desktop implementations of every seam.
Platform desktopPlatform();

// "description|pattern|description|pattern" to Qt's "description (pattern);;…".
QString toQtFilter(const QString& filter);

}  // namespace ui
