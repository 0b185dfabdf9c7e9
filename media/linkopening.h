// Opening a link's address and explaining a failure the way the hyperlink label does: by
// an error number, each with its own text.
#pragma once

#include <QString>

// The failures OpenLinkAddress can report.
constexpr int kLinkErrorFileNotFound = 2;
constexpr int kLinkErrorPathNotFound = 3;
constexpr int kLinkErrorAccessDenied = 5;
constexpr int kLinkErrorNoBrowser = 31;

// Local files are checked first, so a missing or unreadable file is named as such; a
// desktop that opens nothing counts as having no browser. True on success; nError
// receives the error number otherwise.
bool OpenLinkAddress(const QString& strAddress, int& nError);

// The text shown for an error number, in the interface language; a failure to start a
// browser names the address.
QString GetLinkErrorText(int nError, const QString& strAddress);
