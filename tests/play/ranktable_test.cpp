#include "play/ranktable.h"

#include "core/registrystore.h"
#include "core/stringtable.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// One stored slot: name and score, either of which may be missing or of the wrong kind.
struct Slot {
    std::optional<std::string> strName;
    std::optional<int> nScore;
    const char* szScoreAsText = nullptr; // stored as text instead of a number
};

struct Store {
    QTemporaryDir folder;
    CRegistryStore store{folder.filePath("registry.ini"), "software\\Korvane\\Tetralyx\\1.3"};

    void Fill(const CRankTable& table, const std::vector<Slot>& stored) {
        for (size_t i = 0; i < stored.size(); ++i) {
            const QString strSlot = QString::number(i + 1);
            if (stored[i].strName)
                store.WriteText(table.GetSubKey(), "Name" + strSlot,
                                QString::fromStdString(*stored[i].strName));
            if (stored[i].nScore)
                store.WriteNumber(table.GetSubKey(), "Score" + strSlot, *stored[i].nScore);
            if (stored[i].szScoreAsText)
                store.WriteText(table.GetSubKey(), "Score" + strSlot, stored[i].szScoreAsText);
        }
    }
};

std::vector<std::string> Rows(const CRankTable& table) {
    std::vector<std::string> saRows;
    for (const RankRow& row : table.GetRows(kColumnEnglish))
        saRows.push_back(row.strLabel + " " + row.strName + " " + row.strValue);
    return saRows;
}

std::vector<std::string> Entries(const CRankTable& table) {
    std::vector<std::string> saEntries;
    for (const RankEntry& entry : table.GetEntries())
        saEntries.push_back(entry.strName + "=" + std::to_string(entry.nValue));
    return saEntries;
}

TEST(RankTable, EightTablesEachUnderItsOwnSubKey) {
    struct Case {
        RankKind kind;
        bool bStandard;
        bool bJQK;
        const char* szSubKey;
    };
    const Case kCases[] = {
        {RankKind::Professional, true, false, "Rank\\PRO_SS"},
        {RankKind::Professional, true, true, "Rank\\PRO_SJ"},
        {RankKind::Professional, false, false, "Rank\\PRO_AS"},
        {RankKind::Professional, false, true, "Rank\\PRO_AJ"},
        {RankKind::Amateur, true, false, "Rank\\AMA_SS"},
        {RankKind::Amateur, true, true, "Rank\\AMA_SJ"},
        {RankKind::Amateur, false, false, "Rank\\AMA_AS"},
        {RankKind::Amateur, false, true, "Rank\\AMA_AJ"},
    };
    Store store;
    for (const Case& c : kCases) {
        const CRankTable table(c.kind, c.bStandard, c.bJQK);
        EXPECT_EQ(table.GetSubKey().toStdString(), c.szSubKey);
        // Each table reads only its own stored.
        store.Fill(table, {{std::string(c.szSubKey), c.kind == RankKind::Amateur ? 30 : 600}});
    }
    for (const Case& c : kCases) {
        CRankTable table(c.kind, c.bStandard, c.bJQK);
        table.LoadRankTable(store.store);
        ASSERT_EQ(table.GetEntries().size(), 1u) << c.szSubKey;
        EXPECT_EQ(table.GetEntries()[0].strName, c.szSubKey);
    }
}

TEST(RankTable, LoadsTheValidPartInOrderWithSharedRanksAndBlankRows) {
    const std::string kNA = "(N/A) (N/A)";
    struct Case {
        const char* szWhat;
        RankKind kind;
        std::vector<Slot> stored;
        std::vector<std::string> saRows;
    };
    const Case kCases[] = {
        {"equal scores share a rank",
         RankKind::Amateur,
         {{"Cy", 30}, {"Al", 39}, {"Bo", 35}, {"Di", 35}, {"Ed", 24}, {"Fe", 28}},
         {"Number 1: Al 39", "Number 2: Bo 35", "Number 2: Di 35", "Number 4: Cy 30",
          "Number 5: Fe 28", "Number 6: Ed 24"}},
        {"nothing stored",
         RankKind::Amateur,
         {},
         {"Number 1: " + kNA, "Number 2: " + kNA, "Number 3: " + kNA, "Number 4: " + kNA,
          "Number 5: " + kNA, "Number 6: " + kNA}},
        {"out of range, missing and wrong-kind scores",
         RankKind::Amateur,
         {{"Low", 23},
          {"High", 40},
          {"Ok", 24},
          {"NoScore", std::nullopt},
          {"Text", std::nullopt, "31"},
          {"Neg", -30}},
         {"Number 1: Ok 24", "Number 2: " + kNA, "Number 3: " + kNA, "Number 4: " + kNA,
          "Number 5: " + kNA, "Number 6: " + kNA}},
        {"a valid score without a name still counts",
         RankKind::Amateur,
         {{std::nullopt, std::nullopt}, {std::nullopt, 33}},
         {"Number 1:  33", "Number 2: " + kNA, "Number 3: " + kNA, "Number 4: " + kNA,
          "Number 5: " + kNA, "Number 6: " + kNA}},
        {"times: 5 and 2401 ignored, the shortest first",
         RankKind::Professional,
         {{"Slow", 2400}, {"Quick", 10}, {"Five", 5}, {"Over", 2401}, {"Mid", 754}, {"Mid2", 754}},
         {"Number 1: Quick 0 min 10 sec", "Number 2: Mid 12 min 34 sec",
          "Number 2: Mid2 12 min 34 sec", "Number 4: Slow 40 min 0 sec", "Number 5: " + kNA,
          "Number 6: " + kNA}},
    };
    for (const Case& c : kCases) {
        Store store;
        CRankTable table(c.kind, false, true);
        store.Fill(table, c.stored);
        table.LoadRankTable(store.store);
        EXPECT_EQ(Rows(table), c.saRows) << c.szWhat;
    }
}

TEST(RankTable, GarbageInTheStoreFileLeavesTheReadablePart) {
    Store store;
    CRankTable table(RankKind::Amateur, true, false);
    store.Fill(table, {{"Al", 39}, {"Bo", 35}, {"Cy", 30}});
    {
        QFile file(store.store.GetRoot());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray baText = file.readAll();
        file.close();
        // Bo's score becomes a damaged line; a line of random bytes follows.
        const qsizetype nAt = baText.indexOf("Score2=");
        ASSERT_GE(nAt, 0);
        baText.insert(nAt + 7, "\x01\xff");
        baText.append("\x7f\x80garbage without an equals sign\r\n");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(baText);
    }
    table.LoadRankTable(store.store);
    EXPECT_EQ(Entries(table), (std::vector<std::string>{"Al=39", "Cy=30"}));
    // The next entry keeps both and adds itself.
    EXPECT_TRUE(table.InsertRankEntry(store.store, "Di", 31));
    table.LoadRankTable(store.store);
    EXPECT_EQ(Entries(table), (std::vector<std::string>{"Al=39", "Di=31", "Cy=30"}));
}

TEST(RankTable, InsertPutsTheNewcomerAheadOfEqualsAndDropsTheSeventh) {
    const std::vector<Slot> kFull = {{"Al", 39}, {"Bo", 35}, {"Cy", 35},
                                     {"Di", 30}, {"Ed", 28}, {"Fe", 24}};
    struct Case {
        const char* szWhat;
        RankKind kind;
        std::vector<Slot> stored;
        int nValue;
        bool bInserted;
        std::vector<std::string> saEntries;
    };
    const Case kCases[] = {
        {"35 goes to place 2, the 24 drops",
         RankKind::Amateur,
         kFull,
         35,
         true,
         {"Al=39", "New=35", "Bo=35", "Cy=35", "Di=30", "Ed=28"}},
        {"24 against a sixth 24 takes place 6",
         RankKind::Amateur,
         kFull,
         24,
         true,
         {"Al=39", "Bo=35", "Cy=35", "Di=30", "Ed=28", "New=24"}},
        {"best of all goes first",
         RankKind::Amateur,
         kFull,
         39,
         true,
         {"New=39", "Al=39", "Bo=35", "Cy=35", "Di=30", "Ed=28"}},
        {"an empty table", RankKind::Amateur, {}, 30, true, {"New=30"}},
        {"a short table keeps everyone",
         RankKind::Amateur,
         {{"Al", 25}, {"Bo", 33}},
         30,
         true,
         {"Bo=33", "New=30", "Al=25"}},
        {"below the amateur range",
         RankKind::Amateur,
         kFull,
         23,
         false,
         {"Al=39", "Bo=35", "Cy=35", "Di=30", "Ed=28", "Fe=24"}},
        {"a full score is no amateur score",
         RankKind::Amateur,
         kFull,
         40,
         false,
         {"Al=39", "Bo=35", "Cy=35", "Di=30", "Ed=28", "Fe=24"}},
        {"a time ahead of an equal time",
         RankKind::Professional,
         {{"Al", 900}, {"Bo", 1500}, {"Cy", 1200}},
         1200,
         true,
         {"Al=900", "New=1200", "Cy=1200", "Bo=1500"}},
        {"a time that would not load again",
         RankKind::Professional,
         {{"Al", 900}},
         9,
         false,
         {"Al=900"}},
        {"a time over the limit", RankKind::Professional, {{"Al", 900}}, 2401, false, {"Al=900"}},
    };
    for (const Case& c : kCases) {
        Store store;
        CRankTable table(c.kind, true, true);
        store.Fill(table, c.stored);
        EXPECT_EQ(table.InsertRankEntry(store.store, "New", c.nValue), c.bInserted) << c.szWhat;
        CRankTable reread(c.kind, true, true);
        reread.LoadRankTable(store.store);
        EXPECT_EQ(Entries(reread), c.saEntries) << c.szWhat;
        if (!c.bInserted) continue;
        // Always six stored: the places after the entries are empty.
        for (size_t k = c.saEntries.size() + 1; k <= 6; ++k) {
            EXPECT_EQ(store.store.ReadNumber(table.GetSubKey(), "Score" + QString::number(k), -1),
                      0);
            EXPECT_EQ(store.store.ReadText(table.GetSubKey(), "Name" + QString::number(k), "?"),
                      "");
        }
    }
}

TEST(RankTable, InsertReadsTheTableAfreshAndKeepsWhatWasStoredMeanwhile) {
    Store store;
    CRankTable table(RankKind::Amateur, true, true);
    table.LoadRankTable(store.store); // empty when loaded
    store.Fill(table, {{"Al", 39}});  // then another result arrives
    ASSERT_TRUE(table.InsertRankEntry(store.store, "Bo", 30));
    CRankTable reread(RankKind::Amateur, true, true);
    reread.LoadRankTable(store.store);
    EXPECT_EQ(Entries(reread), (std::vector<std::string>{"Al=39", "Bo=30"}));
}

TEST(RankTable, QualifiesOnlyAheadOfTheSixthOrIntoAFreePlace) {
    struct Case {
        const char* szWhat;
        RankKind kind;
        std::vector<Slot> stored;
        int nValue;
        bool bQualifies;
    };
    const std::vector<Slot> kPro = {{"A", 600}, {"B", 700},  {"C", 800},
                                    {"D", 900}, {"E", 1000}, {"F", 1500}};
    const std::vector<Slot> kAma = {{"A", 39}, {"B", 38}, {"C", 37},
                                    {"D", 36}, {"E", 35}, {"F", 30}};
    const Case kCases[] = {
        {"pro, equal to the sixth", RankKind::Professional, kPro, 1500, false},
        {"pro, a second faster", RankKind::Professional, kPro, 1499, true},
        {"pro, a free place", RankKind::Professional, {{"A", 600}}, 2400, true},
        {"pro, too fast to be stored", RankKind::Professional, {}, 9, false},
        {"amateur, equal to the sixth", RankKind::Amateur, kAma, 30, false},
        {"amateur, one more", RankKind::Amateur, kAma, 31, true},
        {"amateur, a free place behind an invalid slot",
         RankKind::Amateur,
         {{"A", 39}, {"B", 38}, {"C", 37}, {"D", 36}, {"E", 35}, {"F", 99}},
         24,
         true},
        {"amateur, below 24", RankKind::Amateur, {}, 23, false},
    };
    for (const Case& c : kCases) {
        Store store;
        CRankTable table(c.kind, false, false);
        store.Fill(table, c.stored);
        EXPECT_EQ(table.Qualifies(store.store, c.nValue), c.bQualifies) << c.szWhat;
    }
}

} // namespace
