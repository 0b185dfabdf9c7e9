#include "core/collectionexport.h"

#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/pathutils.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "core/stringtable.h"
#include "core/textfilewriter.h"
#include "engine/enginestate.h"
#include "engine/question.h"
#include "engine/solver.h"

#include <QStringList>

#include <algorithm>

#include <string>
#include <vector>

namespace {

const QString kFileSubKey = QStringLiteral("File");
const QString kCrLf = QStringLiteral("\r\n");

QString ValueName(const char* szFormat, bool bMyFavorite) {
    return QString::fromLatin1(szFormat).arg(GetCollectionTitle(bMyFavorite));
}

// "Q1: " / "A2: ", with the colon of the current language.
QString NumberedLabel(std::uint32_t nLetterId, size_t nNumber) {
    return LocalizedText(IDS_KVT_FORMAT_LABEL, LocalizedText(nLetterId) + QString::number(nNumber));
}

// The solutions, or false for a question not valid in the current range.
bool Solve(const QString& strQuestion, bool bStandard, std::vector<std::string>& saSolutions) {
    std::vector<unsigned> uaQ;
    if (!ParseQuestionText(strQuestion.toStdString(), uaQ)) return false;
    std::sort(uaQ.begin(), uaQ.end());
    const bool bStoredRule = IsStandardRule();
    const bool bSolved = FindAllSolutions(uaQ, saSolutions, bStandard);
    SetStandardRule(bStoredRule);
    return bSolved;
}

} // namespace

QString GetSolutionText(const QString& strQuestion, bool bStandard) {
    std::vector<std::string> saSolutions;
    if (!Solve(strQuestion, bStandard, saSolutions)) return QString();
    if (saSolutions.empty()) return LocalizedText(IDS_KVT_NO_SOLUTION);
    QStringList saLines;
    for (size_t i = 0; i < saSolutions.size(); ++i)
        saLines.append(NumberedLabel(IDS_KVT_A, i + 1) + QString::fromStdString(saSolutions[i]));
    return saLines.join(kCrLf);
}

CollectionExportOptions ReadExportOptions(const CRegistryStore& registry, bool bMyFavorite) {
    CollectionExportOptions options;
    options.strTitle =
        registry.ReadText(kFileSubKey, ValueName("Last Saved Title - %1", bMyFavorite),
                          GetCollectionTitle(bMyFavorite));
    options.strFolder =
        registry.ReadText(kFileSubKey, ValueName("Last Saved Folder - %1", bMyFavorite), QString());
    options.strPath =
        registry.ReadText(kFileSubKey, ValueName("Last Saved Path - %1", bMyFavorite), QString());
    options.bNotes =
        registry.ReadNumber(kFileSubKey, ValueName("Last Saved Note - %1", bMyFavorite), 1) != 0;
    options.bAnswers =
        registry.ReadNumber(kFileSubKey, ValueName("Last Saved Answer - %1", bMyFavorite), 1) != 0;
    return options;
}

void WriteExportOptions(CRegistryStore& registry, bool bMyFavorite,
                        const CollectionExportOptions& options) {
    registry.WriteText(kFileSubKey, ValueName("Last Saved Title - %1", bMyFavorite),
                       options.strTitle);
    registry.WriteText(kFileSubKey, ValueName("Last Saved Folder - %1", bMyFavorite),
                       options.strFolder);
    registry.WriteText(kFileSubKey, ValueName("Last Saved Path - %1", bMyFavorite),
                       options.strPath);
    registry.WriteNumber(kFileSubKey, ValueName("Last Saved Note - %1", bMyFavorite),
                         options.bNotes ? 1 : 0);
    registry.WriteNumber(kFileSubKey, ValueName("Last Saved Answer - %1", bMyFavorite),
                         options.bAnswers ? 1 : 0);
}

QString BuildCollectionExportText(const Collection& list, const QString& strTitle, bool bNotes,
                                  bool bAnswers) {
    const QString strNoteLabel = LocalizedText(IDS_KVT_FORMAT_LABEL, LocalizedText(IDS_KVT_NOTE));
    const QString strNone = LocalizedText(IDS_KVT_FORMAT_PARENTHESES, LocalizedText(IDS_KVT_NONE));
    // Titles, questions and notes are the user's own words: appended, never passed through
    // the placeholder lookup, so a "%2" in a note stays as typed.
    QString strText = QStringLiteral("\t\t") + strTitle + kCrLf + kCrLf;
    size_t nNumber = 0;
    for (const CollectionItem& item : list.m_items) {
        strText += NumberedLabel(IDS_KVT_Q, ++nNumber) + item.strQuestion + kCrLf;
        if (bNotes)
            strText +=
                strNoteLabel + kCrLf + (item.strNote.isEmpty() ? strNone : item.strNote) + kCrLf;
        if (bAnswers) {
            std::vector<std::string> saSolutions;
            Solve(item.strQuestion, true, saSolutions);
            if (saSolutions.empty()) strText += LocalizedText(IDS_KVT_NO_SOLUTION);
            for (size_t i = 0; i < saSolutions.size(); ++i)
                strText += NumberedLabel(IDS_KVT_A, i + 1) +
                           QString::fromStdString(saSolutions[i]) + kCrLf;
            strText += kCrLf;
        }
    }
    while (strText.endsWith(QLatin1Char('\r')) || strText.endsWith(QLatin1Char('\n')))
        strText.chop(1);
    return strText;
}

QString WithTextExtension(const QString& strPath) {
    if (strPath.isEmpty() || strPath.right(6).contains(QLatin1Char('.'))) return strPath;
    return strPath + QStringLiteral(".txt");
}

int ExportCollection(const Collection& list, const CollectionExportOptions& options,
                     IMessagePresenter& messages) {
    const QByteArray baText =
        BuildCollectionExportText(list, options.strTitle, options.bNotes, options.bAnswers)
            .toUtf8();
    if (PathExists(options.strPath)) {
        const QString strQuestion = QString::fromStdString(
            ReplaceNumberedPlaceholders(GetLocalizedText(IDS_DIALOG_MAIN_PROMPT_OVERWRITE_FILE),
                                        {options.strPath.toStdString()}));
        if (messages.ShowMessage(strQuestion, QString(), KV_MB_YESNO | KV_MB_ICONQUESTION) !=
            KV_IDYES)
            return kExportDeclined;
    }
    QString strMessage;
    const int nResult = WriteTextFile(baText, options.strPath, strMessage);
    // The writer has no words for a file that would not open; the player still needs them.
    if (nResult == kWriteTextCannotOpen)
        strMessage =
            LocalizedText(IDS_ERROR_FILE_CAN_NOT_WRITE_FILE_CHECK_FP_DISK_FULL, options.strPath);
    if (nResult != kWriteTextWritten) messages.ShowMessage(strMessage, QString(), KV_MB_ICONSTOP);
    return nResult;
}
