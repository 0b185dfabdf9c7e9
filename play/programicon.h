// The program's icon, drawn rather than shipped: a playing card showing 24.
#pragma once

#include <QIcon>

QIcon GetProgramIcon();
