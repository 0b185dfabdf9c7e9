#include "media/kvmessageboxlogic.h"

#include "core/stringids.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

TEST(KVMessageBoxLogic, ButtonSetsShowTheirLabelsAndResultsByPosition) {
    struct Case {
        unsigned nStyle;
        unsigned naIds[3];
        int naResults[3];
    };
    const Case cases[] = {
        {0x0, {0, 0, IDS_DIALOG_OK}, {0, 0, 1}},
        {0x1, {0, IDS_DIALOG_OK, IDS_DIALOG_CANCEL}, {0, 1, 2}},
        {0x2, {IDS_DIALOG_ABORT_A, IDS_DIALOG_RETRY_R, IDS_DIALOG_IGNORE_I}, {3, 4, 5}},
        {0x3, {IDS_DIALOG_YES_Y, IDS_DIALOG_NO_N, IDS_DIALOG_CANCEL}, {6, 7, 2}},
        {0x4, {0, IDS_DIALOG_YES_Y, IDS_DIALOG_NO_N}, {0, 6, 7}},
        {0x5, {0, IDS_DIALOG_RETRY_R, IDS_DIALOG_CANCEL}, {0, 4, 2}},
        // Unknown sets fall back to OK; icon and default bits do not change the set.
        {0x6, {0, 0, IDS_DIALOG_OK}, {0, 0, 1}},
        {0xF, {0, 0, IDS_DIALOG_OK}, {0, 0, 1}},
        {0x234, {0, IDS_DIALOG_YES_Y, IDS_DIALOG_NO_N}, {0, 6, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nStyle);
        const MessageButtonRow row = CKVMessageBoxLogic::GetButtons(c.nStyle);
        for (size_t n = 0; n < 3; ++n) {
            EXPECT_EQ(row[n].nTextId, c.naIds[n]) << "position " << n;
            if (c.naIds[n] != 0) {
                EXPECT_EQ(row[n].nResult, c.naResults[n]) << "position " << n;
            }
        }
    }
}

TEST(KVMessageBoxLogic, IconsByStyleBits) {
    struct Case {
        unsigned nStyle;
        MessageIcon icon;
    };
    const Case cases[] = {
        {0x00, MessageIcon::None},        {0x10, MessageIcon::Stop},
        {0x20, MessageIcon::Question},    {0x30, MessageIcon::Exclamation},
        {0x40, MessageIcon::Information}, {0x50, MessageIcon::Exclamation},
        {0xF0, MessageIcon::Exclamation}, {0x24, MessageIcon::Question},
        {0x104, MessageIcon::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nStyle);
        EXPECT_EQ(CKVMessageBoxLogic::GetIcon(c.nStyle), c.icon);
    }
}

TEST(KVMessageBoxLogic, DefaultButtonCountsOnlyTheShownButtons) {
    struct Case {
        unsigned nStyle;
        int nPosition;
    };
    const Case cases[] = {
        {0x24, 1},  // Yes, No: Yes
        {0x124, 2}, // second: No
        {0x224, 1}, // a third button does not exist: the first
        {0x003, 0}, {0x103, 1}, {0x203, 2}, {0x000, 2}, {0x100, 2}, // OK alone
        {0x301, 1}, // an unknown default value: the first
        {0x102, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nStyle);
        EXPECT_EQ(CKVMessageBoxLogic::GetDefaultPosition(c.nStyle), c.nPosition);
    }
}

TEST(KVMessageBoxLogic, EscapeAnswersBySet) {
    const int naExpected[] = {1, 2, 0, 2, 0, 2};
    for (unsigned nSet = 0; nSet < 6; ++nSet) {
        SCOPED_TRACE(nSet);
        EXPECT_EQ(CKVMessageBoxLogic::GetEscapeResult(nSet | 0x30), naExpected[nSet]);
    }
}

TEST(KVMessageBoxLogic, OnlyTheIrrelevantHelpKeyIsAHelpLink) {
    EXPECT_EQ(CKVMessageBoxLogic::GetHelpTopic(KV_HELP_UG_IRRELEVANT), 22);
    EXPECT_EQ(CKVMessageBoxLogic::GetHelpTopic("KV_HELP_UG_IRRELEVANT "), -1);
    EXPECT_EQ(CKVMessageBoxLogic::GetHelpTopic("some details"), -1);
    EXPECT_EQ(CKVMessageBoxLogic::GetHelpTopic(""), -1);
}

TEST(KVMessageBoxLogic, LineEstimateAndGrowth) {
    struct Case {
        QString strMessage;
        int nLines;
        int nGrowth;
    };
    const QString str79(79, u'a');
    const QString str80(80, u'a');
    const QString strWide40 = QString(40, QChar(0x4E16)); // 40 CJK characters: 80 columns
    const Case cases[] = {
        {"", 1, -48},
        {"One line.", 1, -48},
        {str79, 1, -48},
        {str80, 2, -48},
        {strWide40, 2, -48},
        {QString(39, QChar(0x4E16)), 1, -48},
        // Eleven short lines and one more: (12 - 11.67) * 13.05 = 4.3.
        {QString("x\r\n").repeated(11) + "x", 12, 4},
        {QString("x\n").repeated(11) + "x", 12, 4},
        // Nine lines: (9 - 11.67) * 13.05 = -34.8, cut towards zero.
        {QString("x\r\n").repeated(8) + "x", 9, -34},
        // 31 lines: 252.2; 32 lines: 265.3, kept at 264.
        {QString("x\r\n").repeated(30) + "x", 31, 252},
        {QString("x\r\n").repeated(31) + "x", 32, 264},
        {QString(8000, u'a'), 101, 264},
        // A trailing line break starts one more (empty) line.
        {"a\r\n", 2, -48},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strMessage.left(40).toStdString());
        EXPECT_EQ(CKVMessageBoxLogic::EstimateLineCount(c.strMessage), c.nLines);
        EXPECT_EQ(CKVMessageBoxLogic::GetGrowth(c.strMessage), c.nGrowth);
    }
}

} // namespace
