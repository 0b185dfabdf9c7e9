// Opening a web address or a local page in the user's browser.
#pragma once

#include "core/desktopopener.h"

#include <QString>

// Asks the desktop to open the address (a URL, "www.example.org", or a file path); when
// the desktop declines, starts "xdg-open" with the address as its one argument. True when
// either accepted it.
bool OpenInBrowser(const QString& strAddress);

// The desktop opener of the running program.
class CBrowserOpener : public IDesktopOpener {
public:
    bool Open(const QString& strAddress) override { return OpenInBrowser(strAddress); }
};
