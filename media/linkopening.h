// Opening a link's address and explaining a failure the way the hyperlink label does:
// by an error number of the desktop's "open", each with its own text.
#pragma once

#include <QString>

// Error numbers the label knows.
constexpr int kLinkErrorFileNotFound = 2;
constexpr int kLinkErrorPathNotFound = 3;
constexpr int kLinkErrorAccessDenied = 5;
constexpr int kLinkErrorNoAssociation = 31;

// Local files are checked first, so a missing or unreadable file is named as such; a
// desktop that opens nothing counts as having no program for the address. True on success;
// nError receives the error number otherwise.
bool OpenLinkAddress(const QString& strAddress, int& nError);

// The text shown for an error number.
QString GetLinkErrorText(int nError);
