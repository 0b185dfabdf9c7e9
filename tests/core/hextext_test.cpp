#include "core/hextext.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

const QString kTooLong = "The string is too long, maximum allowable length is 8.\r\n";

TEST(HexText, Parse) {
    const struct {
        QString strText;
        unsigned nValue;
        QString strMessage;
    } cases[] = {
        {"0x0409", 1033, ""},
        {" \t0X0804\r\n", 2052, ""},
        {"0404", 1028, ""},
        {"12345678", 0x12345678, ""},
        {"ffffFFFF", 0xFFFFFFFF, ""},
        {"0x00000001", 1, ""},
        {"123456789", 0, kTooLong},
        {"000000000", 0, kTooLong},
        {"", 0, "Input string is blank\r\n"},
        {" \r\n\t", 0, "Input string is blank\r\n"},
        {"0x", 0, "\"0x\" is not a valid hex number string\r\n"},
        {"12G4", 0, "\"12G4\" is not a valid hex number string\r\n"},
        {"-1", 0, "\"-1\" is not a valid hex number string\r\n"},
        {"0x 1", 0, "\"0x 1\" is not a valid hex number string\r\n"},
        {QString::fromUtf8("１２"), 0,
         QString::fromUtf8("\"１２\" is not a valid hex number string\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strText.toStdString());
        QString strMessage = "stale";
        EXPECT_EQ(ParseHexText(c.strText, strMessage), c.nValue);
        EXPECT_EQ(strMessage, c.strMessage);
    }
}

TEST(HexText, Format) {
    const struct {
        std::uint64_t nValue;
        int nWidth;
        const char* szExpected;
    } cases[] = {
        {0x409, 4, "0409"},
        {0x409, 2, "09"},
        {0xabcdef, 8, "00ABCDEF"},
        {0x12345678, 16, "0000000012345678"},
        {0x12345678, 40, "0000000012345678"},
        {UINT64_MAX, 16, "FFFFFFFFFFFFFFFF"},
        {5, 0, ""},
        {5, -3, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szExpected);
        EXPECT_EQ(FormatHex(c.nValue, c.nWidth), c.szExpected);
    }
}

} // namespace
