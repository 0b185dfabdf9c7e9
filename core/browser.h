// Opening a web address or a local page in the user's browser.
#pragma once

#include <QString>

// Asks the desktop to open the address (a URL, "www.example.org", or a file path); when
// the desktop declines, starts "xdg-open" with the address as its one argument. True when
// either accepted it.
bool OpenInBrowser(const QString& strAddress);
