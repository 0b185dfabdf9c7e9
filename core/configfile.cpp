#include "core/configfile.h"

#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/stringids.h"
#include "engine/textlines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

const std::string kBlockTag = " = {{Block}}";
const std::string kBlockStart = "<B Start>";
const std::string kBlockEnd = "<B End>";
const std::string kCrLf = "\r\n";
const std::string kAssign = " = ";
const char* const kByteOrderMark = "\xEF\xBB\xBF";
// What a block under a blank name becomes once its line is trimmed: "= " and the value.
const std::string kBlankNameBlock = "= ";

void ReportWriteError(IMessagePresenter* pMessages, const QString& strPath) {
    if (pMessages)
        pMessages->ShowMessage(LocalizedText(IDS_ERROR_FILE_CAN_NOT_WRITE_FILE_CHECK_FP, strPath),
                               QString(), KV_MB_OK | KV_MB_ICONEXCLAMATION);
}

std::string Trimmed(std::string strText) {
    TrimText(strText);
    return strText;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Tidy leaves every line trimmed; only entries written since then can end in blanks, so the
// searches copy a line only in that case.
std::string_view TrimmedView(const std::string& strLine, std::string& strScratch) {
    if (strLine.empty() || (!IsBlank(strLine.front()) && !IsBlank(strLine.back()))) return strLine;
    strScratch = Trimmed(strLine);
    return strScratch;
}

bool EndsWith(const std::string& strText, const std::string& strEnd) {
    return strText.size() >= strEnd.size() &&
           strText.compare(strText.size() - strEnd.size(), strEnd.size(), strEnd) == 0;
}

bool IsHeader(std::string_view strTrimmed) {
    return strTrimmed.size() > 1 && strTrimmed.front() == '[' && strTrimmed.back() == ']' &&
           strTrimmed.find('=') == std::string_view::npos;
}

bool IsComment(std::string_view strTrimmed) {
    return !strTrimmed.empty() && strTrimmed.front() == ';';
}

std::string Escape(std::string strText) {
    ReplaceAll(strText, "<", "<<");
    ReplaceAll(strText, ">", ">>");
    return strText;
}

std::string Unescape(std::string strText) {
    ReplaceAll(strText, "<<", "<");
    ReplaceAll(strText, ">>", ">");
    return strText;
}

// Section and entry names live on one line: a line break inside one would split the entry
// on the next load, so CR LF becomes four blanks (the stored form) and a lone CR or LF one.
std::string CleanName(const QString& strName) {
    std::string strClean = strName.toStdString();
    ReplaceAll(strClean, kCrLf, "    ");
    for (char& c : strClean)
        if (c == '\r' || c == '\n') c = ' ';
    TrimText(strClean);
    return strClean;
}

// Values use CR LF between lines; a lone LF (as a text box delivers it) or CR would
// otherwise be written as a raw line break and split the entry.
std::string NormalizeLineBreaks(const QString& strValue) {
    const std::string strIn = strValue.toStdString();
    std::string strOut;
    strOut.reserve(strIn.size());
    for (size_t i = 0; i < strIn.size(); ++i) {
        const char c = strIn[i];
        if (c == '\r' || c == '\n') {
            strOut += kCrLf;
            if (c == '\r' && i + 1 < strIn.size() && strIn[i + 1] == '\n') ++i;
        } else {
            strOut += c;
        }
    }
    return strOut;
}

std::string HeaderOf(const std::string& strName) {
    std::string strHeader;
    strHeader.reserve(strName.size() + 2);
    strHeader += '[';
    strHeader += strName;
    strHeader += ']';
    return strHeader;
}

void AppendBlock(QByteArray& baOut, const std::string& strName, const std::string& strValue) {
    baOut.append(strName).append(kBlockTag).append(kCrLf);
    baOut.append(kBlockStart).append(kCrLf);
    std::vector<std::string> saPieces;
    GetSAFromMLString(saPieces, Escape(strValue));
    for (const std::string& strPiece : saPieces)
        baOut.append(strPiece).append(kCrLf);
    baOut.append(kBlockEnd).append(kCrLf);
}

} // namespace

void CConfigFile::Clear() {
    m_saLines.clear();
}

bool CConfigFile::Load(const QString& strPath) {
    Clear();
    QByteArray baData;
    // Only regular files: a device or pipe could block or never end.
    if (QFileInfo(strPath).isFile()) {
        QFile file(strPath);
        if (file.open(QIODevice::ReadOnly)) baData = file.readAll();
    }
    if (baData.startsWith(kByteOrderMark)) baData.remove(0, 3);

    bool bInBlock = false;
    bool bFirstLine = false;
    std::string strBlock;
    size_t nNameLength = 0;
    const auto finishBlock = [&] {
        m_saLines.push_back(strBlock.substr(0, nNameLength) +
                            Unescape(strBlock.substr(nNameLength)));
        bInBlock = false;
    };

    qsizetype nStart = 0;
    while (nStart < baData.size()) {
        qsizetype nEnd = baData.indexOf('\n', nStart);
        if (nEnd < 0) nEnd = baData.size();
        qsizetype nLength = nEnd - nStart;
        if (nLength > 0 && baData[nEnd - 1] == '\r') --nLength;
        std::string strLine(baData.constData() + nStart, static_cast<size_t>(nLength));
        nStart = nEnd + 1;

        if (!bInBlock) {
            if (EndsWith(strLine, kBlockTag)) {
                if (strLine.size() > kBlockTag.size()) {
                    // Keep "name = ": the block's lines are appended to it.
                    strBlock = strLine.substr(0, strLine.size() - 9);
                    nNameLength = strBlock.size();
                    bFirstLine = true;
                    bInBlock = true;
                }
                continue;
            }
            m_saLines.push_back(std::move(strLine));
        } else if (strLine == kBlockStart) {
            continue;
        } else if (strLine == kBlockEnd) {
            finishBlock();
        } else {
            if (!bFirstLine) strBlock += kCrLf;
            bFirstLine = false;
            strBlock += strLine;
        }
    }
    if (bInBlock) finishBlock();
    Tidy();
    return true;
}

bool CConfigFile::Save(const QString& strPath, IMessagePresenter* pMessages) {
    Tidy();
    if (strPath.isEmpty()) {
        ReportWriteError(pMessages, strPath);
        return false;
    }
    QDir().mkpath(QFileInfo(strPath).absolutePath());

    QByteArray baOut;
    // Load drops one mark at the very start; a first line that itself begins with a mark
    // gets one in front of it, so the next load reads that line as it is now.
    if (!m_saLines.empty() && m_saLines.front().starts_with(kByteOrderMark))
        baOut.append(kByteOrderMark);
    for (const std::string& strStored : m_saLines) {
        const std::string strLine = Trimmed(strStored);
        const size_t nAssign = strLine.find(kAssign);
        const size_t nBreak = strLine.find(kCrLf);
        if (nBreak == std::string::npos) {
            // A one-line value that ends like a block opener would swallow the following
            // entries on the next load; a block brings it back exactly.
            if (nAssign != std::string::npos && strLine.size() > kBlockTag.size() &&
                EndsWith(strLine, kBlockTag))
                AppendBlock(baOut, strLine.substr(0, nAssign), strLine.substr(nAssign + 3));
            else
                baOut.append(strLine).append(kCrLf);
        } else if (nAssign < nBreak) {
            // Only the first line can name the entry: a " = " further down is in the value.
            AppendBlock(baOut, strLine.substr(0, nAssign), strLine.substr(nAssign + 3));
        } else if (strLine.starts_with(kBlankNameBlock)) {
            // A block read under a blank name: written under the one-blank name it can have,
            // which reads back as the same element.
            AppendBlock(baOut, " ", strLine.substr(kBlankNameBlock.size()));
        }
    }

    // The new content goes to a temporary file beside the old one, which is replaced only
    // when everything has been written and flushed.
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(baOut) != baOut.size() || !file.commit()) {
        ReportWriteError(pMessages, strPath);
        return false;
    }
    return true;
}

int CConfigFile::FindSection(const QString& strSection, int& nCount) const {
    const std::string strHeader = HeaderOf(CleanName(strSection));
    nCount = 0;
    const int nLines = static_cast<int>(m_saLines.size());
    for (int nHeader = 0; nHeader < nLines; ++nHeader) {
        if (m_saLines[nHeader] != strHeader) continue;
        std::string strScratch;
        for (int i = nHeader + 1; i < nLines; ++i) {
            const std::string_view strLine = TrimmedView(m_saLines[i], strScratch);
            if (strLine.empty() || IsHeader(strLine)) break;
            ++nCount;
        }
        return nHeader;
    }
    return -1;
}

int CConfigFile::EnsureSection(const QString& strSection, int& nCount) {
    nCount = 0;
    const std::string strName = CleanName(strSection);
    if (strName.empty() || strName.find('=') != std::string::npos) return -1;
    const int nHeader = FindSection(strSection, nCount);
    if (nHeader >= 0) return nHeader;
    if (!m_saLines.empty() && !Trimmed(m_saLines.back()).empty()) m_saLines.emplace_back();
    m_saLines.push_back(HeaderOf(strName));
    return static_cast<int>(m_saLines.size()) - 1;
}

int CConfigFile::FindKeyLine(int nStart, const std::string& strName, std::string& strValue) const {
    strValue.clear();
    if (strName.empty()) return -1;
    const std::string strPrefix = strName + kAssign;
    // A stored empty value loses its last blank to trimming: "name =" is that entry.
    const std::string strEmptyEntry = strName + " =";
    std::string strScratch;
    for (int i = std::max(nStart, 0); i < static_cast<int>(m_saLines.size()); ++i) {
        const std::string& strLine = m_saLines[i];
        if (strLine.compare(0, strPrefix.size(), strPrefix) == 0) {
            strValue = strLine.substr(strPrefix.size());
            return i;
        }
        const std::string_view strTrimmed = TrimmedView(strLine, strScratch);
        if (strTrimmed == strEmptyEntry) return i;
        if (IsHeader(strTrimmed)) return -1;
    }
    return -1;
}

int CConfigFile::FindKey(int nStart, const QString& strName, QString& strValue) const {
    std::string strFound;
    const int nIndex = FindKeyLine(nStart, CleanName(strName), strFound);
    strValue = QString::fromStdString(strFound);
    return nIndex;
}

bool CConfigFile::ReadString(const QString& strSection, const QString& strName,
                             const QString& strDefault, QString& strValue) const {
    int nCount = 0;
    const int nHeader = FindSection(strSection, nCount);
    if (nHeader >= 0 && FindKey(nHeader + 1, strName, strValue) >= 0) return true;
    strValue = strDefault;
    return false;
}

bool CConfigFile::ReadBool(const QString& strSection, const QString& strName, bool bDefault,
                           bool& bValue) const {
    QString strValue;
    if (!ReadString(strSection, strName, QString(), strValue)) {
        bValue = bDefault;
        return false;
    }
    bValue = strValue.contains(QLatin1String("true"));
    return true;
}

bool CConfigFile::WriteString(const QString& strSection, const QString& strName,
                              const QString& strValue) {
    const std::string strKey = CleanName(strName);
    if (strKey.empty()) return false;
    int nCount = 0;
    const int nHeader = EnsureSection(strSection, nCount);
    if (nHeader < 0) return false;

    std::string strLine = strKey + kAssign + NormalizeLineBreaks(strValue);
    std::string strOld;
    const int nIndex = FindKeyLine(nHeader + 1, strKey, strOld);
    if (nIndex >= 0)
        m_saLines[nIndex] = std::move(strLine);
    else
        m_saLines.insert(m_saLines.begin() + nHeader + nCount + 1, std::move(strLine));
    return true;
}

bool CConfigFile::WriteBool(const QString& strSection, const QString& strName, bool bValue) {
    return WriteString(strSection, strName,
                       bValue ? QStringLiteral("true") : QStringLiteral("false"));
}

void CConfigFile::Tidy() {
    std::vector<std::string> saTidy;
    saTidy.reserve(m_saLines.size() + 8);
    for (std::string& strLine : m_saLines) {
        TrimText(strLine);
        if (strLine.empty()) continue;
        if (IsHeader(strLine) && !saTidy.empty()) saTidy.emplace_back();
        saTidy.push_back(std::move(strLine));
    }
    // Comments at the very end stand apart from the last section by one empty line.
    if (!saTidy.empty() && IsComment(saTidy.back())) {
        size_t i = saTidy.size() - 1;
        while (i > 0 && IsComment(saTidy[i]))
            --i;
        if (i > 0 && i + 1 < saTidy.size() && !saTidy[i + 1].empty())
            saTidy.insert(saTidy.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::string());
    }
    m_saLines = std::move(saTidy);
}
