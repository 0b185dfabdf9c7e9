#include "core/collectionlogic.h"

#include "core/collectionexport.h"
#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "engine/enginestate.h"

#include <algorithm>

namespace {

// Shorter texts are still being typed: no complaint yet.
constexpr int kQuietLength = 6;

const QString kManagerSubKey = QStringLiteral("FM");
const QString kAdvancedValue = QStringLiteral("Enable Power and Root");
const QString kShowSolutionValue = QStringLiteral("Show Solution");

} // namespace

QString GetInvalidQuestionMessage() {
    return LocalizedText(IDS_DIALOG_MAIN_PROMPT_INVALID_QUESTION, QString::number(GetMaxValue()));
}

QuickSaveCheck CheckQuickSave(const QString& strQuestion, const Collection& target,
                              bool bTargetMyFavorite) {
    QuickSaveCheck check;
    const QString strTrimmed = strQuestion.trimmed();
    QString strKey;
    if (!GetTypedQuestionKey(strTrimmed, strKey)) {
        if (strTrimmed.size() > kQuietLength)
            check.strStatus = LocalizedText(IDS_DIALOG_MAIN_ERROR_INVALID_QUESTION_SHORT);
        return check;
    }
    if (IsInCollection(strKey, target)) {
        check.strStatus = LocalizedText(IDS_DIALOG_MAIN_ALREADY_EXIST_IN_SET,
                                        GetCollectionTipName(bTargetMyFavorite));
        return check;
    }
    check.bOk = true;
    return check;
}

ItemCheck CheckItemQuestion(const QString& strQuestion, bool bStandard) {
    ItemCheck check;
    const QString strTrimmed = strQuestion.trimmed();
    QString strKey;
    if (!GetTypedQuestionKey(strTrimmed, strKey)) {
        if (strTrimmed.size() > kQuietLength) check.strSolutions = GetInvalidQuestionMessage();
        return check;
    }
    check.bOk = true;
    check.strSolutions = GetSolutionText(strKey, bStandard);
    return check;
}

ItemVerdict AcceptItemQuestion(const QString& strQuestion, const Collection& list, int nEditedIndex,
                               QString& strKey, QString& strMessage) {
    strMessage.clear();
    const QString strTrimmed = strQuestion.trimmed();
    if (!GetTypedQuestionKey(strTrimmed, strKey)) {
        strMessage = GetInvalidQuestionMessage();
        return ItemVerdict::Invalid;
    }
    for (size_t i = 0; i < list.m_items.size(); ++i) {
        if (static_cast<int>(i) != nEditedIndex && list.m_items[i].strQuestion == strKey) {
            strMessage = LocalizedText(IDS_DIALOG_MAIN_PROMPT_Q_ALREADY_EXISTS);
            return ItemVerdict::Duplicate;
        }
    }
    if (strKey != strTrimmed) {
        strMessage = LocalizedText(IDS_DIALOG_MAIN_PROMPT_Q_WAS_REORDERED, strKey);
        return ItemVerdict::Reordered;
    }
    return ItemVerdict::Accepted;
}

CFullRangeScope::CFullRangeScope() : m_nOldMaxValue(GetMaxValue()) {
    SetMaxValue(kCollectionMaxValue);
}

CFullRangeScope::~CFullRangeScope() {
    SetMaxValue(m_nOldMaxValue);
}

CCollectionManager::CCollectionManager(Collection& list, const QString& strPath, bool bMyFavorite,
                                       Collection& other, const QString& strOtherPath,
                                       IMessagePresenter& messages)
    : m_list(list), m_strPath(strPath), m_bMyFavorite(bMyFavorite), m_other(other),
      m_strOtherPath(strOtherPath), m_messages(messages) {
    Select(m_list.m_items.empty() ? -1 : 0);
}

void CCollectionManager::Select(int nIndex) {
    m_nSelection = nIndex >= 0 && nIndex < static_cast<int>(m_list.m_items.size()) ? nIndex : -1;
}

const CollectionItem* CCollectionManager::GetSelectedItem() const {
    return m_nSelection >= 0 ? &m_list.m_items[static_cast<size_t>(m_nSelection)] : nullptr;
}

bool CCollectionManager::CanCopy() const {
    const CollectionItem* pItem = GetSelectedItem();
    return pItem && !IsInCollection(pItem->strQuestion, m_other);
}

QString CCollectionManager::GetQuestionText() const {
    const CollectionItem* pItem = GetSelectedItem();
    return pItem ? pItem->strQuestion + QStringLiteral("\r\n") + pItem->strNote : QString();
}

QString CCollectionManager::GetSolutionText() const {
    const CollectionItem* pItem = GetSelectedItem();
    return pItem ? ::GetSolutionText(pItem->strQuestion, !m_bAdvanced) : QString();
}

bool CCollectionManager::Add(const CollectionItem& item) {
    m_list.m_items.push_back(item);
    Save();
    SelectQuestion(item.strQuestion);
    return true;
}

bool CCollectionManager::Modify(const CollectionItem& item) {
    if (m_nSelection < 0) return false;
    CollectionItem& selected = m_list.m_items[static_cast<size_t>(m_nSelection)];
    if (selected.strQuestion == item.strQuestion && selected.strNote == item.strNote) return false;
    selected = item;
    Save();
    SelectQuestion(item.strQuestion);
    return true;
}

bool CCollectionManager::DeleteSelected() {
    const CollectionItem* pItem = GetSelectedItem();
    if (!pItem) return false;
    if (m_messages.ShowMessage(LocalizedText(IDS_DIALOG_FM_PROMPT_DELETE, pItem->strQuestion),
                               QString(), KV_MB_YESNO | KV_MB_ICONQUESTION) != KV_IDYES)
        return false;
    const int nPosition = m_nSelection;
    m_list.m_items.erase(m_list.m_items.begin() + nPosition);
    Save();
    Select(std::min(nPosition, static_cast<int>(m_list.m_items.size()) - 1));
    return true;
}

void CCollectionManager::LoadSettings(const CRegistryStore& registry) {
    m_bAdvanced = registry.ReadNumber(kManagerSubKey, kAdvancedValue, 0) == 1;
    m_bShowSolutions = registry.ReadNumber(kManagerSubKey, kShowSolutionValue, 0) == 1;
}

void CCollectionManager::SaveSettings(CRegistryStore& registry) const {
    registry.WriteNumber(kManagerSubKey, kAdvancedValue, m_bAdvanced ? 1 : 0);
    registry.WriteNumber(kManagerSubKey, kShowSolutionValue, m_bShowSolutions ? 1 : 0);
}

void CCollectionManager::SelectQuestion(const QString& strQuestion) {
    const auto it =
        std::find_if(m_list.m_items.begin(), m_list.m_items.end(),
                     [&](const CollectionItem& item) { return item.strQuestion == strQuestion; });
    Select(it == m_list.m_items.end() ? -1 : static_cast<int>(it - m_list.m_items.begin()));
}

bool CCollectionManager::Save() {
    m_bChanged = true;
    return SaveCollection(m_list, m_strPath, m_bMyFavorite, &m_messages);
}
