#include "core/collection.h"

#include "core/configfile.h"
#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/pathutils.h"
#include "core/stringids.h"
#include "engine/enginestate.h"
#include "engine/question.h"
#include "engine/textlines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <unordered_map>

namespace {

// At most two digits: anything longer is out of every range, and a long run of digits must
// not overflow.
bool ReadValue(const std::string& strField, unsigned nMaxValue, unsigned& nValue) {
    if (strField.empty() || strField.size() > 2 || strField[0] == '0') return false;
    nValue = 0;
    for (char c : strField) {
        if (c < '0' || c > '9') return false;
        nValue = nValue * 10 + static_cast<unsigned>(c - '0');
    }
    return nValue >= 1 && nValue <= nMaxValue;
}

std::string Trimmed(std::string strText) {
    TrimText(strText);
    return strText;
}

// CR LF between lines, whatever a text box or a hand-edited file delivered.
QString WithCrLf(const QString& strText) {
    QString strOut = strText;
    strOut.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    strOut.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    strOut.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return strOut;
}

QString TrimmedNote(const QString& strNote) {
    return QString::fromStdString(Trimmed(WithCrLf(strNote).toStdString()));
}

// The entries of the section by name, the first of equal names winning as a lookup finds it,
// in one pass: files may hold thousands of lines.
std::unordered_map<std::string, std::string> ReadSection(const std::vector<std::string>& saLines,
                                                         const std::string& strHeader) {
    std::unordered_map<std::string, std::string> entries;
    size_t i = 0;
    while (i < saLines.size() && saLines[i] != strHeader)
        ++i;
    for (++i; i < saLines.size(); ++i) {
        const std::string& strLine = saLines[i];
        if (strLine.size() > 1 && strLine.front() == '[' && strLine.back() == ']' &&
            strLine.find('=') == std::string::npos)
            break;
        const size_t nAssign = strLine.find(" = ");
        if (nAssign != std::string::npos)
            entries.emplace(strLine.substr(0, nAssign), strLine.substr(nAssign + 3));
        else if (strLine.size() > 2 && strLine.compare(strLine.size() - 2, 2, " =") == 0)
            entries.emplace(strLine.substr(0, strLine.size() - 2), std::string());
    }
    return entries;
}

void ShowWriteError(IMessagePresenter* pMessages, const QString& strPath) {
    if (pMessages)
        pMessages->ShowMessage(LocalizedText(IDS_ERROR_FILE_CAN_NOT_WRITE_FILE_CHECK_FP, strPath));
}

// Keeps the file that held unreadable lines beside the new one, replacing an older copy.
bool KeepBadFile(const QString& strPath) {
    if (!QFileInfo(strPath).isFile()) return true;
    const QString strBad = strPath + QStringLiteral(".bad");
    QFile::remove(strBad);
    return QFile::copy(strPath, strBad);
}

} // namespace

bool GetQuestionKey(const QString& strText, unsigned nMaxValue, QString& strKey) {
    std::string strLine = strText.toStdString();
    for (char& c : strLine)
        if (c == '\t') c = ' ';
    TrimText(strLine);
    std::array<unsigned, 4> naValues{};
    size_t nCount = 0;
    size_t nStart = 0;
    while (nStart < strLine.size()) {
        size_t nEnd = strLine.find(' ', nStart);
        if (nEnd == std::string::npos) nEnd = strLine.size();
        if (nCount == naValues.size() ||
            !ReadValue(strLine.substr(nStart, nEnd - nStart), nMaxValue, naValues[nCount]))
            return false;
        ++nCount;
        nStart = strLine.find_first_not_of(' ', nEnd);
        if (nStart == std::string::npos) break;
    }
    if (nCount != naValues.size()) return false;
    std::sort(naValues.begin(), naValues.end());
    strKey = QString::fromStdString(FormatQuestionText(naValues.data()));
    return true;
}

bool GetTypedQuestionKey(const QString& strText, QString& strKey) {
    std::vector<unsigned> uaValues;
    if (!ParseQuestionText(strText.toStdString(), uaValues)) return false;
    std::sort(uaValues.begin(), uaValues.end());
    strKey = QString::fromStdString(FormatQuestionText(uaValues));
    return true;
}

QString GetCollectionSection(bool bMyFavorite) {
    return bMyFavorite ? QStringLiteral("My Favorite") : QStringLiteral("Trouble Maker");
}

QString GetCollectionEntryName(bool bMyFavorite, int nNumber) {
    return (bMyFavorite ? QStringLiteral("fmf %1") : QStringLiteral("fmt %1")).arg(nNumber);
}

QString GetCollectionTitle(bool bMyFavorite) {
    return LocalizedText(bMyFavorite ? IDS_DIALOG_SF_PROMPT_TITLE_MY_FAVORITE
                                     : IDS_DIALOG_SF_PROMPT_TITLE_TROUBLE_MAKER);
}

QString GetCollectionTipName(bool bMyFavorite) {
    return LocalizedText(bMyFavorite ? IDS_TIP_MY_FAVORITE : IDS_TIP_TROUBLE_MAKER);
}

QString GetCollectionPath(bool bMyFavorite) {
    return JoinPath(GetUserFolder(),
                    bMyFavorite ? QStringLiteral("cmf.ini") : QStringLiteral("ctm.ini"));
}

void LoadCollection(Collection& list, const QString& strPath, bool bMyFavorite) {
    list.m_items.clear();
    list.m_bUnreadLines = false;
    CConfigFile file;
    file.Load(strPath);
    const std::vector<std::string>& saLines = file.GetLines();
    const std::string strHeader =
        QStringLiteral("[%1]").arg(GetCollectionSection(bMyFavorite)).toStdString();
    const auto entries = ReadSection(saLines, strHeader);

    std::set<QString> keys;
    bool bUndecodable = false;
    for (int n = 1;; ++n) {
        const auto it = entries.find(GetCollectionEntryName(bMyFavorite, n).toStdString());
        if (it == entries.end()) break;
        const std::string strValue = Trimmed(it->second);
        const size_t nComma = strValue.find(',');
        if (nComma == std::string::npos) break;
        QString strKey;
        if (!GetQuestionKey(QString::fromStdString(strValue.substr(0, nComma)), kCollectionMaxValue,
                            strKey) ||
            !keys.insert(strKey).second)
            continue;
        // A note in another encoding (an older file) would lose its bytes in the next save.
        QStringDecoder toUtf16(QStringDecoder::Utf8);
        const QString strNote = toUtf16(QByteArrayView(strValue).sliced(nComma + 1));
        if (toUtf16.hasError()) bUndecodable = true;
        list.m_items.push_back({strKey, TrimmedNote(strNote)});
    }

    // Every line but the header should have become an item; anything else would vanish with
    // the next save.
    const size_t nContent =
        std::count_if(saLines.begin(), saLines.end(), [&](const std::string& strLine) {
            return !strLine.empty() && strLine != strHeader;
        });
    list.m_bUnreadLines = bUndecodable || nContent != list.m_items.size();
    NormalizeCollection(list);
}

bool SaveCollection(Collection& list, const QString& strPath, bool bMyFavorite,
                    IMessagePresenter* pMessages) {
    NormalizeCollection(list);
    if (strPath.isEmpty()) return false;

    CConfigFile file;
    const QString strSection = GetCollectionSection(bMyFavorite);
    int nNumber = 0;
    for (const CollectionItem& item : list.m_items)
        file.WriteString(strSection, GetCollectionEntryName(bMyFavorite, ++nNumber),
                         item.strQuestion + QLatin1Char(',') + item.strNote);

    QDir().mkpath(QFileInfo(strPath).absolutePath());
    if (list.m_bUnreadLines && !KeepBadFile(strPath)) {
        ShowWriteError(pMessages, strPath + QStringLiteral(".bad"));
        return false;
    }
    if (!file.Save(strPath, pMessages)) return false;
    list.m_bUnreadLines = false;
    return true;
}

void NormalizeCollection(Collection& list) {
    struct Keyed {
        std::string strSortKey;
        CollectionItem item;
    };
    std::vector<Keyed> kept;
    kept.reserve(list.m_items.size());
    std::set<QString> keys;
    for (CollectionItem& item : list.m_items) {
        QString strKey;
        if (!GetQuestionKey(item.strQuestion, kCollectionMaxValue, strKey) ||
            !keys.insert(strKey).second)
            continue;
        kept.push_back(
            {GetQuestionSortKey(strKey.toStdString()), {strKey, TrimmedNote(item.strNote)}});
    }
    // Keys are unique now, so any sort gives the one ascending order.
    std::sort(kept.begin(), kept.end(),
              [](const Keyed& a, const Keyed& b) { return a.strSortKey < b.strSortKey; });
    list.m_items.clear();
    for (Keyed& keyed : kept)
        list.m_items.push_back(std::move(keyed.item));
}

bool IsInCollection(const QString& strQuestion, const Collection& list) {
    QString strKey;
    if (!GetTypedQuestionKey(strQuestion, strKey)) return false;
    return std::any_of(list.m_items.begin(), list.m_items.end(),
                       [&](const CollectionItem& item) { return item.strQuestion == strKey; });
}
