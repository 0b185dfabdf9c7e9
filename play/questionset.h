// The question set of a run: the candidates a plan allows (the whole question space between a
// start and an end, or the player's collections) and the selection and order drawn from them.
#pragma once

#include "play/trainingplan.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// A question of a run as "%d %d %d %d", values ascending within 1..nMaxValue; blanks around
// and between the values are tolerated, values in any order are sorted. "" when not valid.
std::string GetRunQuestionKey(const std::string& strText, int nMaxValue);

// The values of a run question key; false for anything GetRunQuestionKey would not give.
bool ParseRunQuestion(const std::string& strKey, int nMaxValue, Quadruple& naValues);

// Every question q with start <= q <= end in question order (which for ascending values is
// the lexicographic order of the quadruples), in that order: 715 between 1 1 1 1 and
// 10 10 10 10, 1820 up to 13 13 13 13.
std::vector<std::string> BuildFullSetCandidates(const Quadruple& naStart, const Quadruple& naEnd,
                                                int nMaxValue);

// The Trouble Maker entries followed by the My Favorite ones (each when chosen), without
// entries that are not questions of the range, without repeats (the first stays), sorted in
// question order, and only those between start and end.
std::vector<std::string> BuildCollectionCandidates(const std::vector<std::string>& saTroubleMaker,
                                                   const std::vector<std::string>& saMyFavorite,
                                                   const TrainingPlan& plan);

// The plan's candidates: the full set between its bounds, or its collections.
std::vector<std::string> BuildCandidates(const TrainingPlan& plan,
                                         const std::vector<std::string>& saTroubleMaker,
                                         const std::vector<std::string>& saMyFavorite);

struct QuestionSelection {
    std::vector<std::string> saQuestions; // in the order the run presents them
    bool bInsufficient = false;           // fewer candidates than requested (and not equal)
    int nAvailable = 0;                   // number of candidates
};

// Draws the run's questions. Random: nCount candidates at random, then shuffled; sequential:
// the first (ascending) or the last (descending) nCount in candidate order, presented
// ascending or in reverse. bAlwaysDraw (the World Cup) draws even when the candidates do not
// exceed the count. A count of zero or below takes nothing.
QuestionSelection SelectQuestions(std::vector<std::string> saCandidates, int nCount, bool bRandom,
                                  bool bAscending, bool bAlwaysDraw, std::mt19937& generator);
