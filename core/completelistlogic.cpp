#include "core/completelistlogic.h"

#include "core/clock.h"
#include "core/completelisttexts.h"
#include "core/desktopopener.h"
#include "core/messagepresenter.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "core/stringtable.h"
#include "core/textfilewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kKey = QStringLiteral("CL");

QString ColumnText(std::uint32_t nId, int nColumn, const std::string& strParam = {}) {
    return QString::fromStdString(GetTextInColumn(nId, nColumn, strParam));
}

} // namespace

CCompleteListLogic::CCompleteListLogic(CRegistryStore& registry, const CServices& services,
                                       const QString& strAppFolder, const QString& strUserFolder,
                                       int nColumn)
    : m_registry(registry), m_services(services), m_strAppFolder(strAppFolder),
      m_strUserFolder(strUserFolder), m_nColumn(nColumn) {}

void CCompleteListLogic::SetHaveSolution(bool bListed) {
    m_options.bHaveSolution = bListed;
    if (!bListed && !m_options.bNoSolution) m_options.bNoSolution = true;
}

void CCompleteListLogic::SetNoSolution(bool bListed) {
    m_options.bNoSolution = bListed;
    if (!bListed && !m_options.bHaveSolution) m_options.bHaveSolution = true;
}

QString CCompleteListLogic::GetCaption() const {
    const std::string strLevel = GetCompleteListLevelName(m_options, m_nColumn);
    return ColumnText(IDS_TIP_COMPLETE_LIST, m_nColumn) + QStringLiteral(" - ") +
           ColumnText(IDS_KVT_X_LEVEL, m_nColumn, strLevel);
}

void CCompleteListLogic::LoadOptions() {
    m_options.bStandard = m_registry.ReadNumber(kKey, QStringLiteral("Standard"), 1) != 0;
    m_options.bJQK = m_registry.ReadNumber(kKey, QStringLiteral("JQK"), 0) == 1;
    m_options.bHaveSolution = m_registry.ReadNumber(kKey, QStringLiteral("Have Solution"), 1) != 0;
    m_options.bNoSolution = m_registry.ReadNumber(kKey, QStringLiteral("No Solution"), 1) != 0;
    // A store with both kinds off would leave OK dead for good.
    if (!CanStart()) m_options.bHaveSolution = m_options.bNoSolution = true;
}

void CCompleteListLogic::SaveOptions() {
    m_registry.WriteNumber(kKey, QStringLiteral("Standard"), m_options.bStandard ? 1 : 0);
    m_registry.WriteNumber(kKey, QStringLiteral("JQK"), m_options.bJQK ? 1 : 0);
    m_registry.WriteNumber(kKey, QStringLiteral("Have Solution"), m_options.bHaveSolution ? 1 : 0);
    m_registry.WriteNumber(kKey, QStringLiteral("No Solution"), m_options.bNoSolution ? 1 : 0);
}

QString CCompleteListLogic::GetTemplatePath() const {
    return QDir(m_strAppFolder)
        .filePath(QStringLiteral("doc/%1/grandlist.htm")
                      .arg(QString::fromLatin1(GetCompleteListLanguageFolder(m_nColumn))));
}

QString CCompleteListLogic::GetOutputFolder() const {
    return QDir(m_strUserFolder).filePath(QStringLiteral("cl"));
}

QString CCompleteListLogic::GetOutputPath() const {
    const std::string strName =
        GetCompleteListFileName(GetCompleteListLanguageLetter(m_nColumn), m_options);
    return QDir(GetOutputFolder()).filePath(QString::fromStdString(strName));
}

ExistingPageAction CCompleteListLogic::DecidePageAge(const QDateTime& written,
                                                     const QDateTime& now) {
    if (!written.isValid() || written > now || written < now.addDays(-90))
        return ExistingPageAction::Recalculate;
    if (written >= now.addDays(-7)) return ExistingPageAction::Show;
    return ExistingPageAction::Ask;
}

CompleteListResult CCompleteListLogic::Generate(const CompleteListProgress& fnProgress) {
    const QString strFolder = GetOutputFolder();
    const QFileInfo folderInfo(strFolder);
    if (folderInfo.exists() && !folderInfo.isDir()) QFile::remove(strFolder);
    QDir().mkpath(strFolder);

    const QString strTemplate = GetTemplatePath();
    if (!QFileInfo(strTemplate).isFile()) {
        m_services.pMessages->ShowMessage(
            ColumnText(IDS_DIALOG_CL_TEMPLATE_LOST, m_nColumn, strTemplate.toStdString()),
            QString(), KV_MB_OK | KV_MB_ICONEXCLAMATION);
        return CompleteListResult::TemplateMissing;
    }

    const QString strOutput = GetOutputPath();
    const QFileInfo outputInfo(strOutput);
    bool bRecalculate = true;
    if (outputInfo.isFile()) {
        // Pages are always written whole as new files, so the modification time is the
        // time the page was made; many Linux file systems keep no creation time at all.
        switch (DecidePageAge(outputInfo.lastModified(), m_services.pClock->Now())) {
        case ExistingPageAction::Show:
            bRecalculate = false;
            break;
        case ExistingPageAction::Ask:
            bRecalculate = m_services.pMessages->ShowMessage(
                               ColumnText(IDS_DIALOG_CL_PROMPT_OVERWRITE, m_nColumn), QString(),
                               KV_MB_YESNO | KV_MB_ICONQUESTION) == KV_IDYES;
            break;
        case ExistingPageAction::Recalculate:
            break;
        }
    }
    if (bRecalculate) {
        bool bStopped = false;
        if (!WritePage(strOutput, fnProgress, bStopped))
            return bStopped ? CompleteListResult::Cancelled : CompleteListResult::WriteFailed;
    }
    m_services.pDesktop->Open(strOutput);
    return CompleteListResult::Opened;
}

bool CCompleteListLogic::WritePage(const QString& strPath, const CompleteListProgress& fnProgress,
                                   bool& bStopped) {
    const CompleteListTexts texts = GetCompleteListTexts(m_options, m_nColumn);
    std::string strParagraphs;
    CompleteListCounts counts;
    bStopped =
        !BuildCompleteList(m_options, texts.strQ, texts.strA, strParagraphs, counts, fnProgress);
    // The old page stays until a complete new one replaces it.
    if (bStopped) return false;

    const QString strTemplate = GetTemplatePath();
    QFile file(strTemplate);
    if (!file.open(QIODevice::ReadOnly)) {
        m_services.pMessages->ShowMessage(
            ColumnText(IDS_DIALOG_CL_TEMPLATE_LOST, m_nColumn, strTemplate.toStdString()),
            QString(), KV_MB_OK | KV_MB_ICONEXCLAMATION);
        return false;
    }
    const std::string strPage = FillCompleteListTemplate(file.readAll().toStdString(), m_options,
                                                         texts, counts, strParagraphs);
    QString strMessage;
    const int nResult = WriteTextFile(QByteArray::fromStdString(strPage), strPath, strMessage);
    if (nResult == kWriteTextWritten) return true;
    if (strMessage.isEmpty())
        strMessage = ColumnText(IDS_ERROR_FILE_CAN_NOT_WRITE_FILE_CHECK_FP, m_nColumn,
                                strPath.toStdString());
    m_services.pMessages->ShowMessage(strMessage, QString(), KV_MB_OK | KV_MB_ICONEXCLAMATION);
    return false;
}
