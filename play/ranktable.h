// The World Cup's rank tables: six places per table, an amateur table ranked by score and a
// professional table ranked by time for each of the four levels. Tables live only in the
// registry store; every display and insertion reads the table afresh.
#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class CRegistryStore;

enum class RankKind { Professional, Amateur };

struct RankEntry {
    std::string strName;
    int nValue = 0; // correct answers (amateur) or elapsed seconds (professional)
};

// One of the six rows the ranking dialog shows.
struct RankRow {
    std::string strLabel; // "Number 2:"
    std::string strName;
    std::string strValue;
};

class CRankTable {
public:
    CRankTable(RankKind kind, bool bStandard, bool bJQK)
        : m_kind(kind), m_bStandard(bStandard), m_bJQK(bJQK) {}

    RankKind GetKind() const { return m_kind; }
    bool IsStandard() const { return m_bStandard; }
    bool IsJQK() const { return m_bJQK; }

    // "Rank\PRO_AJ", "Rank\AMA_SS", ...
    QString GetSubKey() const;
    // Amateur 24..39 correct answers, professional 10..2400 seconds.
    bool IsValidValue(long long nValue) const;
    // a ranks strictly ahead of b.
    bool IsBetter(int nA, int nB) const;

    // Reads the six slots, keeps the pairs with a valid value and puts them in rank order.
    void LoadRankTable(const CRegistryStore& store);
    // The result enters this table: a valid value that beats the sixth entry or finds a free
    // place. Reads the table afresh first.
    bool Qualifies(const CRegistryStore& store, int nValue);
    // Reads the table afresh, puts the newcomer ahead of entries with an equal value and writes
    // the six slots; the entry pushed to a seventh place drops out. Refuses values that would
    // not load again (they would push out a valid entry for nothing). False when refused or
    // the store could not be written.
    bool InsertRankEntry(CRegistryStore& store, const std::string& strName, int nValue);

    const std::vector<RankEntry>& GetEntries() const { return m_entries; }
    // Six rows: the entries with shared rank numbers for equal values, then "(N/A)" rows.
    std::vector<RankRow> GetRows(int nColumn) const;

    static constexpr int kPlaces = 6;

private:
    RankKind m_kind;
    bool m_bStandard;
    bool m_bJQK;
    std::vector<RankEntry> m_entries;
};

// The name last entered for a table, offered again next time ("Last Name" under "Rank").
QString LoadLastRankName(const CRegistryStore& store);
bool SaveLastRankName(CRegistryStore& store, const QString& strName);
