// The string table for Qt code: texts as QString, arguments from QString.
#pragma once

#include "core/stringtable.h"

#include <QString>

#include <cstdint>

inline QString LocalizedText(std::uint32_t nId, const QString& strParam1 = QString(),
                             const QString& strParam2 = QString(),
                             const QString& strParam3 = QString()) {
    return QString::fromStdString(GetLocalizedText(
        nId, strParam1.toStdString(), strParam2.toStdString(), strParam3.toStdString()));
}
