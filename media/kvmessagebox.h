// The decisions of the program's message box, kept apart from its window: which buttons a
// style shows and what they return, the icon, the default button, what Escape does and
// how much the box grows for a long message.
#pragma once

#include <QString>

#include <array>

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

enum class MessageIcon { None, Stop, Question, Exclamation, Information };

struct MessageButton {
    unsigned nTextId = 0; // string-table id of the label; 0 = the position stays empty
    int nResult = 0;
};

// Left, middle and right position.
using MessageButtonRow = std::array<MessageButton, 3>;

class CKVMessageBoxLogic {
public:
    // Button sets above 5 are shown as set 0.
    static int GetButtonSet(unsigned nStyle);
    static MessageButtonRow GetButtons(unsigned nStyle);
    static MessageIcon GetIcon(unsigned nStyle);
    // Position (0 left .. 2 right) of the default button among the shown ones.
    static int GetDefaultPosition(unsigned nStyle);
    // What Escape and the close command return; 0 when they are ignored.
    static int GetEscapeResult(unsigned nStyle);

    // The help topic behind a details text, or -1 when it is plain details.
    static int GetHelpTopic(const QString& strDetails);

    // Lines the message needs at 80 narrow characters a line; a wide (CJK) character
    // counts as two, as it did in the 8-bit code pages.
    static int EstimateLineCount(const QString& strMessage);
    // Pixels the box grows (or shrinks, below zero) for the message: -48 .. 264.
    static int GetGrowth(const QString& strMessage);

    static constexpr int kMinGrowth = -48;
    static constexpr int kMaxGrowth = 264;
};
