// The developers' trace log qxdebug.log. It exists only in builds configured with
// TETRALYX_DEBUG_LOG=ON; otherwise every call returns false at once and touches nothing.
#pragma once

#include <QString>

// Appends one line: "time<TAB>label<TAB>message", or, for the messages "_PROGRAM_START",
// "_PROGRAM_END" and "_DEBUG_BLANK" (any letter case), a start marker, an end marker or an
// empty line. A log above 10,000,000 bytes is started afresh. True when written.
bool WriteDebugLog(const QString& strLabel, const QString& strMessage);

// The folder of qxdebug.log; the system's temporary folder until set.
void SetDebugLogFolder(const QString& strFolder);
QString GetDebugLogFolder();

// Whether this build writes the log at all.
bool IsDebugLogBuiltIn();
