// Hands a web address or a local file to the desktop (browser, document viewer, installer).
#pragma once

#include <QString>

class IDesktopOpener {
public:
    virtual ~IDesktopOpener() = default;
    // True when the desktop accepted the address or file.
    virtual bool Open(const QString& strAddress) = 0;
};
