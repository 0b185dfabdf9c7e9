#include "play/ranktable.h"

#include "core/registrystore.h"
#include "core/stringids.h"
#include "core/stringtable.h"

#include <utility>

namespace {

constexpr const char* kRankKey = "Rank";
constexpr const char* kLastNameValue = "Last Name";

QString SlotName(const char* szValue, int nSlot) {
    return QString::fromLatin1(szValue) + QString::number(nSlot);
}

} // namespace

QString CRankTable::GetSubKey() const {
    return QStringLiteral("Rank\\%1_%2%3")
        .arg(m_kind == RankKind::Professional ? "PRO" : "AMA")
        .arg(m_bStandard ? 'S' : 'A')
        .arg(m_bJQK ? 'J' : 'S');
}

bool CRankTable::IsValidValue(long long nValue) const {
    if (m_kind == RankKind::Amateur) return nValue >= 24 && nValue <= 39;
    return nValue >= 10 && nValue <= 2400;
}

bool CRankTable::IsBetter(int nA, int nB) const {
    return m_kind == RankKind::Amateur ? nA > nB : nA < nB;
}

void CRankTable::LoadRankTable(const CRegistryStore& store) {
    m_entries.clear();
    const QString strSubKey = GetSubKey();
    for (int k = 1; k <= kPlaces; ++k) {
        const int nValue = store.ReadNumber(strSubKey, SlotName("Score", k), 0);
        if (!IsValidValue(nValue)) continue;
        m_entries.push_back(
            {store.ReadText(strSubKey, SlotName("Name", k), QString()).toStdString(), nValue});
    }
    for (size_t i = 0; i + 1 < m_entries.size(); ++i)
        for (size_t j = i + 1; j < m_entries.size(); ++j)
            if (IsBetter(m_entries[j].nValue, m_entries[i].nValue))
                std::swap(m_entries[i], m_entries[j]);
}

bool CRankTable::Qualifies(const CRegistryStore& store, int nValue) {
    LoadRankTable(store);
    if (!IsValidValue(nValue)) return false;
    return m_entries.size() < kPlaces || IsBetter(nValue, m_entries[kPlaces - 1].nValue);
}

bool CRankTable::InsertRankEntry(CRegistryStore& store, const std::string& strName, int nValue) {
    if (!IsValidValue(nValue)) return false;
    LoadRankTable(store);
    size_t nPosition = m_entries.size();
    while (nPosition > 0 && !IsBetter(m_entries[nPosition - 1].nValue, nValue))
        --nPosition;
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(nPosition), {strName, nValue});
    if (m_entries.size() > kPlaces) m_entries.resize(kPlaces);

    const QString strSubKey = GetSubKey();
    bool bWritten = true;
    for (int k = 1; k <= kPlaces; ++k) {
        const bool bEntry = static_cast<size_t>(k) <= m_entries.size();
        const RankEntry entry = bEntry ? m_entries[static_cast<size_t>(k - 1)] : RankEntry();
        bWritten &=
            store.WriteText(strSubKey, SlotName("Name", k), QString::fromStdString(entry.strName));
        bWritten &= store.WriteNumber(strSubKey, SlotName("Score", k), entry.nValue);
    }
    return bWritten;
}

std::vector<RankRow> CRankTable::GetRows(int nColumn) const {
    std::vector<RankRow> rows;
    int nRank = 0;
    for (size_t i = 0; i < m_entries.size() && i < kPlaces; ++i) {
        const int nValue = m_entries[i].nValue;
        if (i == 0 || m_entries[i - 1].nValue != nValue) nRank = static_cast<int>(i) + 1;
        std::string strValue = std::to_string(nValue);
        if (m_kind == RankKind::Professional)
            strValue = GetLocalizedText(IDS_DIALOG_RANK_NORMAL_TIME, std::to_string(nValue / 60),
                                        std::to_string(nValue % 60), {}, nColumn);
        rows.push_back(
            {GetLocalizedText(IDS_DIALOG_RANK_NUMBER_X, std::to_string(nRank), {}, {}, nColumn),
             m_entries[i].strName, strValue});
    }
    const std::string strBlank = GetLocalizedText(IDS_DIALOG_RANK_BLANK, {}, {}, {}, nColumn);
    while (rows.size() < kPlaces) {
        const std::string strPosition = std::to_string(rows.size() + 1);
        rows.push_back({GetLocalizedText(IDS_DIALOG_RANK_NUMBER_X, strPosition, {}, {}, nColumn),
                        strBlank, strBlank});
    }
    return rows;
}

QString LoadLastRankName(const CRegistryStore& store) {
    return store.ReadText(kRankKey, kLastNameValue, QString());
}

bool SaveLastRankName(CRegistryStore& store, const QString& strName) {
    return store.WriteText(kRankKey, kLastNameValue, strName);
}
