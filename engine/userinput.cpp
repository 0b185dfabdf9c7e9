#include "userinput.h"

#include "enginestate.h"

namespace {

struct CharMapping {
    char32_t cFrom;
    char cTo;
};

constexpr CharMapping kGb2312Answer[] = {
    {U'\u2013', '-'}, {U'\u2010', '-'}, {U'\uFE63', '-'}, {U'\u2014', '-'}, {U'\uFF0D', '-'},
    {U'\u2573', '*'}, {U'\uFE61', '*'}, {U'\u00D7', '*'}, {U'\uFF0A', '*'}, {U'\uFF38', '*'},
    {U'\uFF58', '*'}, {U'\u03A7', '*'}, {U'\u03C7', '*'}, {U'\u0425', '*'}, {U'\uFE62', '+'},
    {U'\uFF0B', '+'}, {U'\u00F7', '/'}, {U'\uFF0F', '/'}, {U'\u2227', '^'}, {U'\uFF3E', '^'},
    {U'\uFE59', '('}, {U'\uFE5B', '('}, {U'\uFE5D', '('}, {U'\u3014', '('}, {U'\uFF08', '('},
    {U'\uFE5A', ')'}, {U'\uFE5C', ')'}, {U'\uFE5E', ')'}, {U'\u3015', ')'}, {U'\uFF09', ')'},
};

constexpr CharMapping kBig5Answer[] = {
    {U'\uFF08', '('}, {U'\uFF5B', '('}, {U'\u3014', '('}, {U'\u3008', '('}, {U'\uFE59', '('},
    {U'\uFE5D', '('}, {U'\uFF09', ')'}, {U'\uFF5D', ')'}, {U'\u3015', ')'}, {U'\u3009', ')'},
    {U'\uFE5A', ')'}, {U'\uFE5E', ')'}, {U'\u2013', '-'}, {U'\u2014', '-'}, {U'\u2574', '-'},
    {U'\uFF0D', '-'}, {U'\uFE63', '-'}, {U'\u2500', '-'}, {U'\uFF0A', '*'}, {U'\uFE61', '*'},
    {U'\u00D7', '*'}, {U'\u2573', '*'}, {U'\uFF38', '*'}, {U'\uFF58', '*'}, {U'\u03A7', '*'},
    {U'\u03C7', '*'}, {U'\uFF0B', '+'}, {U'\uFE62', '+'}, {U'\u00F7', '/'}, {U'\uFF0F', '/'},
    {U'\u2215', '/'}, {U'\u2571', '/'},
};

// Decodes one UTF-8 sequence at strText[nPos]; returns its length, or 0 when the bytes
// there are not a well-formed sequence.
size_t DecodeUtf8(const std::string& strText, size_t nPos, char32_t& cOut) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(strText[i]); };
    const unsigned char c0 = byte(nPos);
    size_t nLength;
    char32_t cValue;
    if (c0 < 0x80) {
        cOut = c0;
        return 1;
    } else if ((c0 & 0xE0) == 0xC0) {
        nLength = 2;
        cValue = c0 & 0x1F;
    } else if ((c0 & 0xF0) == 0xE0) {
        nLength = 3;
        cValue = c0 & 0x0F;
    } else if ((c0 & 0xF8) == 0xF0) {
        nLength = 4;
        cValue = c0 & 0x07;
    } else {
        return 0;
    }
    if (nPos + nLength > strText.size()) return 0;
    for (size_t i = 1; i < nLength; ++i) {
        if ((byte(nPos + i) & 0xC0) != 0x80) return 0;
        cValue = (cValue << 6) | (byte(nPos + i) & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cValue < kMinimum[nLength] || cValue > 0x10FFFF || (cValue >= 0xD800 && cValue <= 0xDFFF))
        return 0;
    cOut = cValue;
    return nLength;
}

template <size_t N> int Lookup(const CharMapping (&table)[N], char32_t c) {
    for (const CharMapping& m : table)
        if (m.cFrom == c) return m.cTo;
    return -1;
}

constexpr int kKeep = -1;
constexpr int kRemove = -2;

// The replacement for one character: an ASCII character, kRemove or kKeep.
int MapCharacter(char32_t c, int nMode, InterfaceCharset charset) {
    const bool bChinese = charset != InterfaceCharset::None;
    if (c == U'\t') c = U' ';
    if (bChinese) {
        if (c == U'\u3000') {
            if (charset == InterfaceCharset::Big5) return kRemove;
            c = U' ';
        } else if (c >= U'\uFF10' && c <= U'\uFF19') {
            c = U'0' + (c - U'\uFF10');
        }
    }
    if (nMode == kNormalizeRemoveSpaces) {
        if (c == U' ') return kRemove;
    } else if (nMode == kNormalizeQuestion) {
        if (bChinese && (c == U'\uFF0C' || c == U'\uFF1B')) c = U' ';
        if (c == U',' || c == U';') c = U' ';
    } else if (nMode == kNormalizeAnswer) {
        if (c == U'x' || c == U'X') c = U'*';
        int nMapped = -1;
        if (charset == InterfaceCharset::GB2312)
            nMapped = Lookup(kGb2312Answer, c);
        else if (charset == InterfaceCharset::Big5)
            nMapped = Lookup(kBig5Answer, c);
        if (nMapped >= 0) return nMapped;
    }
    return c < 0x80 ? static_cast<int>(c) : kKeep;
}

} // namespace

std::string GetNormalizedUserInput(const std::string& strText, int nMode) {
    const InterfaceCharset charset = GetInterfaceCharset();
    std::string strResult;
    strResult.reserve(strText.size());
    size_t nPos = 0;
    while (nPos < strText.size()) {
        char32_t c = 0;
        size_t nLength = DecodeUtf8(strText, nPos, c);
        if (nLength == 0) {
            strResult += strText[nPos++];
            continue;
        }
        const int nMapped = MapCharacter(c, nMode, charset);
        if (nMapped == kKeep)
            strResult.append(strText, nPos, nLength);
        else if (nMapped != kRemove)
            strResult += static_cast<char>(nMapped);
        nPos += nLength;
    }
    return strResult;
}

size_t PrepareSubmittedLines(const std::string& strText, std::vector<std::string>& saKept,
                             size_t nMaxKept) {
    saKept.clear();
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    size_t nLines = 0;
    // Lines end at LF, with or without CR before it (edit controls here send a lone LF);
    // a CR left at either end of a piece goes with the trimming.
    for (size_t nStart = 0; nStart < strText.size();) {
        size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string::npos) nEnd = strText.size();
        size_t nFirst = nStart, nLast = nEnd;
        while (nFirst < nLast && isBlank(strText[nFirst]))
            ++nFirst;
        while (nLast > nFirst && isBlank(strText[nLast - 1]))
            --nLast;
        nStart = nEnd + 1;
        if (nFirst == nLast) continue;
        if (nLines++ < nMaxKept)
            saKept.push_back(
                GetNormalizedUserInput(strText.substr(nFirst, nLast - nFirst), kNormalizeAnswer));
    }
    return nLines;
}

std::vector<std::string> PrepareSubmittedLines(const std::string& strText) {
    std::vector<std::string> saPrepared;
    PrepareSubmittedLines(strText, saPrepared, std::string::npos);
    return saPrepared;
}
