// The program's icon, drawn rather than shipped: a playing card showing 24, simplified to
// one card with pixel digits at 16 and 24 pixels.
#pragma once

#include <QIcon>

QIcon GetProgramIcon();
