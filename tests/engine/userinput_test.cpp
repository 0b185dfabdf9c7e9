#include "engine/enginestate.h"
#include "engine/textlines.h"
#include "engine/userinput.h"

#include <gtest/gtest.h>

namespace {

struct NormalizeCase {
    InterfaceCharset charset;
    int nMode;
    const char* szInput;
    const char* szExpected;
};

constexpr auto None = InterfaceCharset::None;
constexpr auto Gb = InterfaceCharset::GB2312;
constexpr auto Big5 = InterfaceCharset::Big5;

const NormalizeCase kNormalizeCases[] = {
    {None, 0, " 1\t2 ", "12"},
    {None, 1, "1,2;3\t4", "1 2 3 4"},
    {None, 2, "4 x (1+2)X3", "4 * (1+2)*3"},
    {None, 0, "x", "x"},
    {None, 1, "x", "x"},
    // Without a Chinese interface full-width characters stay as they are.
    {None, 2, "\xEF\xBC\x94\xC3\x97\xEF\xBC\x96", "\xEF\xBC\x94\xC3\x97\xEF\xBC\x96"},
    {Gb, 2,
     "\xEF\xBC\x94\xC3\x97\xEF\xBC\x88\xEF\xBC\x91\xEF\xBC\x8B\xEF\xBC\x92\xEF\xBC"
     "\x8B\xEF\xBC\x93\xEF\xBC\x89",
     "4*(1+2+3)"}, // ４×（１＋２＋３）
    {Gb, 2, "\xE2\x80\x93\xE2\x80\x90\xEF\xB9\xA3\xE2\x80\x94\xEF\xBC\x8D", "-----"},
    {Gb, 2,
     "\xE2\x95\xB3\xEF\xB9\xA1\xC3\x97\xEF\xBC\x8A\xEF\xBC\xB8\xEF\xBD\x98\xCE\xA7"
     "\xCF\x87\xD0\xA5",
     "*********"},
    {Gb, 2, "\xEF\xB9\xA2\xEF\xBC\x8B\xC3\xB7\xEF\xBC\x8F\xE2\x88\xA7\xEF\xBC\xBE", "++//^^"},
    {Gb, 2, "\xEF\xB9\x99\xEF\xB9\x9B\xEF\xB9\x9D\xE3\x80\x94\xEF\xBC\x88", "((((("},
    {Gb, 2, "\xEF\xB9\x9A\xEF\xB9\x9C\xEF\xB9\x9E\xE3\x80\x95\xEF\xBC\x89", ")))))"},
    {Gb, 2, "\xEF\xBD\x9B\xE3\x80\x88", "\xEF\xBD\x9B\xE3\x80\x88"}, // not in GB2312's list
    {Gb, 2, "1\xE3\x80\x80+2", "1 +2"},
    {Big5, 2, "1\xE3\x80\x80+2", "1+2"},
    {Big5, 2, "\xEF\xBC\x88\xEF\xBD\x9B\xE3\x80\x94\xE3\x80\x88\xEF\xB9\x99\xEF\xB9\x9D", "(((((("},
    {Big5, 2, "\xEF\xBC\x89\xEF\xBD\x9D\xE3\x80\x95\xE3\x80\x89\xEF\xB9\x9A\xEF\xB9\x9E", "))))))"},
    {Big5, 2, "\xE2\x80\x93\xE2\x80\x94\xE2\x95\xB4\xEF\xBC\x8D\xEF\xB9\xA3\xE2\x94\x80", "------"},
    {Big5, 2,
     "\xEF\xBC\x8A\xEF\xB9\xA1\xC3\x97\xE2\x95\xB3\xEF\xBC\xB8\xEF\xBD\x98\xCE\xA7\xCF\x87",
     "********"},
    {Big5, 2, "\xEF\xBC\x8B\xEF\xB9\xA2\xC3\xB7\xEF\xBC\x8F\xE2\x88\x95\xE2\x95\xB1", "++////"},
    {Big5, 2, "\xEF\xBC\xBE\xE2\x88\xA7\xD0\xA5\xE2\x80\x90",
     "\xEF\xBC\xBE\xE2\x88\xA7\xD0\xA5\xE2\x80\x90"},
    {Gb, 1,
     "1\xEF\xBC\x8C"
     "2\xEF\xBC\x9B"
     "3",
     "1 2 3"},
    {None, 1,
     "1\xEF\xBC\x8C"
     "2",
     "1\xEF\xBC\x8C"
     "2"},
    {Gb, 0, "\xEF\xBC\x91\xE3\x80\x80\xEF\xBC\x93", "13"},
    // Broken UTF-8 and control bytes pass through untouched.
    {Gb, 2, "1\xFF+\xEF\xBC", "1\xFF+\xEF\xBC"},
    {Gb, 2, "\xC0\xAF\xED\xA0\x80", "\xC0\xAF\xED\xA0\x80"}};

TEST(Normalize, MapsTypedCharacters) {
    const CEngineSettingsScope settings;
    for (const NormalizeCase& c : kNormalizeCases) {
        SetInterfaceCharset(c.charset);
        EXPECT_EQ(GetNormalizedUserInput(c.szInput, c.nMode), c.szExpected) << c.szInput;
    }
}

TEST(Normalize, KeepsNulBytes) {
    const std::string strText("1\0x2", 4);
    EXPECT_EQ(GetNormalizedUserInput(strText, kNormalizeAnswer), std::string("1\0*2", 4));
}

TEST(TextLines, SplitsAtCrLfOnly) {
    std::vector<std::string> saLines = {"stale"};
    EXPECT_EQ(GetSAFromMLString(saLines, ""), 0);
    EXPECT_TRUE(saLines.empty());
    EXPECT_EQ(GetSAFromMLString(saLines, "a\r\n\r\nb"), 3);
    EXPECT_EQ(saLines, (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(GetSAFromMLString(saLines, "a\r\nb\r\n"), 2);
    EXPECT_EQ(GetSAFromMLString(saLines, "\r\n"), 1);
    EXPECT_EQ(saLines, (std::vector<std::string>{""}));
    EXPECT_EQ(GetSAFromMLString(saLines, "a\nb\r"), 1);
}

TEST(TextLines, TrimTextReportsChange) {
    std::string strText = " \t\r\n1+2 \r\n";
    EXPECT_TRUE(TrimText(strText));
    EXPECT_EQ(strText, "1+2");
    EXPECT_FALSE(TrimText(strText));
    strText = " \t ";
    EXPECT_TRUE(TrimText(strText));
    EXPECT_EQ(strText, "");
    EXPECT_FALSE(TrimText(strText));
}

TEST(SubmittedLines, DropBlankLinesAndNormalise) {
    const CEngineSettingsScope settings;
    SetInterfaceCharset(InterfaceCharset::None);
    EXPECT_EQ(PrepareSubmittedLines("4 x (1+2+3)\r\n\r\n  \r\n(3+5)X3\r\n"),
              (std::vector<std::string>{"4 * (1+2+3)", "(3+5)*3"}));
    EXPECT_EQ(PrepareSubmittedLines("1+2\n\n3+4\r\n5"),
              (std::vector<std::string>{"1+2", "3+4", "5"}));
    EXPECT_TRUE(PrepareSubmittedLines("").empty());
    EXPECT_TRUE(PrepareSubmittedLines("\r\n \t\r\n").empty());
}

} // namespace
