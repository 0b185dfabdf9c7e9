#include "play/worldcupflow.h"

#include "core/language.h"
#include "core/messagepresenter.h"
#include "core/registrystore.h"
#include "core/stringtable.h"
#include "play/mainlogic.h"
#include "play/rankingdialog.h"
#include "play/ranknamedialog.h"
#include "play/runlogic.h"
#include "play/worldcupdialog.h"
#include "play/worldcuplogic.h"

CWorldCupFlow::CWorldCupFlow(CMainLogic& logic, CRegistryStore& store, IMessagePresenter& messages,
                             std::function<int(int)> fnEnumInstances, QWidget* pParent)
    : m_logic(logic), m_store(store), m_messages(messages),
      m_fnEnumInstances(std::move(fnEnumInstances)), m_pParent(pParent) {}

bool CWorldCupFlow::Enter() {
    if (m_logic.GetMode() == PlayMode::WorldCup) return false;
    CWorldCupDialog dialog(LoadWorldCupChoice(m_store), m_store, m_messages, m_pParent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const WorldCupChoice choice = dialog.GetChoice();

    const int nColumn = GetColumnForLanguage(m_logic.GetLanguage());
    const int nInstances = m_fnEnumInstances ? m_fnEnumInstances(0) : 1;
    const std::string strPrompt = GetCloseOthersPrompt(nInstances, GetProductName(), nColumn);
    if (!strPrompt.empty()) {
        if (m_messages.ShowMessage(Text(strPrompt), QString(),
                                   KV_MB_OKCANCEL | KV_MB_ICONQUESTION) != KV_IDOK)
            return false;
        m_fnEnumInstances(1);
    }

    CRuleState& rule = m_logic.Rule();
    rule.m_bStandard = choice.bStandard;
    if (rule.m_bJQK != choice.bJQK) m_logic.ToggleJQK();
    return true;
}

void CWorldCupFlow::Finish(const RunEnd& end) {
    if (!end.bEnded || !end.bWorldCupReport) return;
    const int nColumn = GetColumnForLanguage(m_logic.GetLanguage());
    m_messages.ShowMessage(Text(GetWorldCupReport(end.saValues, nColumn)));

    const std::optional<RankKind> kind = GetRankKindForScore(end.nCorrect);
    if (!kind) return;
    const CRuleState& rule = m_logic.Rule();
    CRankTable table(*kind, rule.m_bStandard, rule.m_bJQK);
    const int nValue = GetRankValue(*kind, end.nCorrect, end.nReportSeconds);
    if (!table.Qualifies(m_store, nValue)) return;

    CRankNameDialog nameDialog(*kind, LoadLastRankName(m_store), m_pParent);
    nameDialog.exec();
    const QString strName = nameDialog.GetName();
    SaveLastRankName(m_store, strName);
    table.InsertRankEntry(m_store, strName.toStdString(), nValue);
    CRankingDialog ranking(*kind, rule.m_bStandard, rule.m_bJQK, m_store, m_pParent);
    ranking.exec();
}
