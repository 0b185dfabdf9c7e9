// The World Cup's decisions without a window: the choice its dialog opens with, the level a
// rule and J/Q/K make, whether other copies must close first, the report and which rank
// table a result enters.
#pragma once

#include "play/ranktable.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CRegistryStore;

// The rule and J/Q/K of a World Cup, as its dialog shows them.
struct WorldCupChoice {
    bool bStandard = true;
    bool bJQK = false;
};

// What the dialog opens with: "Standard" (default 1) and "JQK" (default 0) under "WC". The
// dialog never writes them.
WorldCupChoice LoadWorldCupChoice(const CRegistryStore& store);

// Holy War (advanced rule with J/Q/K) runs at Advanced, the other levels at Intermediate.
int GetWorldCupDifficulty(const WorldCupChoice& choice);
// "Hero" ...
std::string GetWorldCupLevelName(const WorldCupChoice& choice, int nColumn);

// The Rules button's message: the competition's rules in two paragraphs.
std::string GetWorldCupRulesText(int nColumn);

// Other copies of the program must close before a World Cup starts: the question asked when
// nInstances (this copy included) says there are others; empty when this copy runs alone.
std::string GetCloseOthersPrompt(int nInstances, const std::string& strProductName, int nColumn);

// The report with the run's values #1..#5.
std::string GetWorldCupReport(const std::vector<std::string>& saValues, int nColumn);

// Which table a result of nCorrect answers competes for: amateurs for 24..39, professionals
// for the full score of 40 (ranked by time); none below 24.
std::optional<RankKind> GetRankKindForScore(int nCorrect);
// The value the table ranks by: the score for amateurs, the seconds for professionals.
int GetRankValue(RankKind kind, int nCorrect, int nSeconds);

// "World Ranking on 24 Calculation for Amateurs" or "... for Professional Players".
std::string GetRankingName(RankKind kind, int nColumn);
// The ranking dialog's caption, with the level name of the table.
std::string GetRankingCaption(const CRankTable& table, int nColumn);
// The congratulations dialog's text naming the ranking the player entered.
std::string GetEnterNamePrompt(RankKind kind, int nColumn);
