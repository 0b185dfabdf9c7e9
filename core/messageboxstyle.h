// The vocabulary of the program's message box: style bits, results and the details key.
// Core code composes questions and notices with these; the box itself lives in media.
#pragma once

#include <QString>

// Style bits, in the classic message-box encoding the callers use.
constexpr unsigned KV_MB_OK = 0x0;
constexpr unsigned KV_MB_OKCANCEL = 0x1;
constexpr unsigned KV_MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned KV_MB_YESNOCANCEL = 0x3;
constexpr unsigned KV_MB_YESNO = 0x4;
constexpr unsigned KV_MB_RETRYCANCEL = 0x5;
constexpr unsigned KV_MB_ICONSTOP = 0x10;
constexpr unsigned KV_MB_ICONQUESTION = 0x20;
constexpr unsigned KV_MB_ICONEXCLAMATION = 0x30;
constexpr unsigned KV_MB_ICONINFORMATION = 0x40;
constexpr unsigned KV_MB_DEFBUTTON2 = 0x100;
constexpr unsigned KV_MB_DEFBUTTON3 = 0x200;

// Results.
constexpr int KV_IDOK = 1;
constexpr int KV_IDCANCEL = 2;
constexpr int KV_IDABORT = 3;
constexpr int KV_IDRETRY = 4;
constexpr int KV_IDIGNORE = 5;
constexpr int KV_IDYES = 6;
constexpr int KV_IDNO = 7;

// A details text equal to this key makes the Details button open a help topic instead.
inline const QString KV_HELP_UG_IRRELEVANT = QStringLiteral("KV_HELP_UG_IRRELEVANT");
