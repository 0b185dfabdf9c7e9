#include "media/kvmessageboxlogic.h"

#include "core/stringids.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr int kHelpTopicIrrelevant = 22;

// The length a line had in its 8-bit code page: two bytes for every character beyond ASCII.
int CodePageLength(const QString& strLine) {
    int nLength = 0;
    for (const QChar c : strLine) {
        if (c.isLowSurrogate()) continue;
        nLength += c.unicode() < 0x80 ? 1 : 2;
    }
    return nLength;
}

} // namespace

int CKVMessageBoxLogic::GetButtonSet(unsigned nStyle) {
    const int nSet = static_cast<int>(nStyle & 0xF);
    return nSet <= 5 ? nSet : 0;
}

MessageButtonRow CKVMessageBoxLogic::GetButtons(unsigned nStyle) {
    switch (GetButtonSet(nStyle)) {
    case 1:
        return {{{}, {IDS_DIALOG_OK, KV_IDOK}, {IDS_DIALOG_CANCEL, KV_IDCANCEL}}};
    case 2:
        return {{{IDS_DIALOG_ABORT_A, KV_IDABORT},
                 {IDS_DIALOG_RETRY_R, KV_IDRETRY},
                 {IDS_DIALOG_IGNORE_I, KV_IDIGNORE}}};
    case 3:
        return {{{IDS_DIALOG_YES_Y, KV_IDYES},
                 {IDS_DIALOG_NO_N, KV_IDNO},
                 {IDS_DIALOG_CANCEL, KV_IDCANCEL}}};
    case 4:
        return {{{}, {IDS_DIALOG_YES_Y, KV_IDYES}, {IDS_DIALOG_NO_N, KV_IDNO}}};
    case 5:
        return {{{}, {IDS_DIALOG_RETRY_R, KV_IDRETRY}, {IDS_DIALOG_CANCEL, KV_IDCANCEL}}};
    default:
        return {{{}, {}, {IDS_DIALOG_OK, KV_IDOK}}};
    }
}

MessageIcon CKVMessageBoxLogic::GetIcon(unsigned nStyle) {
    switch (nStyle & 0xF0) {
    case 0x00:
        return MessageIcon::None;
    case 0x10:
        return MessageIcon::Stop;
    case 0x20:
        return MessageIcon::Question;
    case 0x40:
        return MessageIcon::Information;
    default:
        return MessageIcon::Exclamation;
    }
}

int CKVMessageBoxLogic::GetDefaultPosition(unsigned nStyle) {
    const MessageButtonRow row = GetButtons(nStyle);
    int naShown[3];
    int nShown = 0;
    for (int n = 0; n < 3; ++n)
        if (row[static_cast<size_t>(n)].nTextId != 0) naShown[nShown++] = n;
    const unsigned nDefault = nStyle & 0xF00;
    int nIndex = nDefault == KV_MB_DEFBUTTON2 ? 1 : nDefault == KV_MB_DEFBUTTON3 ? 2 : 0;
    // A default beyond the shown buttons falls back to the first one.
    if (nIndex >= nShown) nIndex = 0;
    return naShown[nIndex];
}

int CKVMessageBoxLogic::GetEscapeResult(unsigned nStyle) {
    switch (GetButtonSet(nStyle)) {
    case 0:
        return KV_IDOK;
    case 2:
    case 4:
        return 0;
    default:
        return KV_IDCANCEL;
    }
}

int CKVMessageBoxLogic::GetClosedResult(unsigned nStyle) {
    const int nEscape = GetEscapeResult(nStyle);
    if (nEscape != 0) return nEscape;
    return GetButtons(nStyle)[static_cast<size_t>(GetDefaultPosition(nStyle))].nResult;
}

int CKVMessageBoxLogic::GetHelpTopic(const QString& strDetails) {
    return strDetails == KV_HELP_UG_IRRELEVANT ? kHelpTopicIrrelevant : -1;
}

int CKVMessageBoxLogic::EstimateLineCount(const QString& strMessage) {
    QString strText = strMessage;
    strText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    int nLines = 0;
    for (const QString& strPiece : strText.split(u'\n'))
        nLines += CodePageLength(strPiece) / 80 + 1;
    return nLines;
}

int CKVMessageBoxLogic::GetGrowth(const QString& strMessage) {
    const double dGrowth = (EstimateLineCount(strMessage) - 11.67) * 13.05;
    return std::clamp(static_cast<int>(dGrowth), kMinGrowth, kMaxGrowth);
}
