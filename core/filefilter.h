// The string table keeps file-type filters in the old "Text|*.a;*.b|Text|*.*||" form; the file
// chooser wants Qt's "Text (*.a *.b);;Text (*)".
#pragma once

#include <QString>

QString ToQtFileFilter(const QString& strTableFilter);
