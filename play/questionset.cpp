#include "play/questionset.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <sstream>

namespace {

std::string FormatQuadruple(const Quadruple& naValues) {
    char szText[64];
    std::snprintf(szText, sizeof szText, "%d %d %d %d", naValues[0], naValues[1], naValues[2],
                  naValues[3]);
    return szText;
}

bool IsPlainNumber(const std::string& strField) {
    if (strField.empty() || strField.size() > 2 || strField[0] == '0') return false;
    return std::all_of(strField.begin(), strField.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// Draws an index below nSize.
size_t Draw(std::mt19937& generator, size_t nSize) {
    return std::uniform_int_distribution<size_t>(0, nSize - 1)(generator);
}

// Takes the element at nIndex out of saFrom.
std::string TakeAt(std::vector<std::string>& saFrom, size_t nIndex) {
    std::string strTaken = std::move(saFrom[nIndex]);
    saFrom.erase(saFrom.begin() + static_cast<std::ptrdiff_t>(nIndex));
    return strTaken;
}

} // namespace

bool ParseRunQuestion(const std::string& strKey, int nMaxValue, Quadruple& naValues) {
    std::istringstream fields(strKey);
    std::string strField;
    Quadruple naParsed{};
    int nCount = 0;
    while (fields >> strField) {
        if (nCount == 4 || !IsPlainNumber(strField)) return false;
        const int nValue = std::stoi(strField);
        if (nValue < 1 || nValue > nMaxValue) return false;
        naParsed[nCount++] = nValue;
    }
    if (nCount != 4) return false;
    std::sort(naParsed.begin(), naParsed.end());
    naValues = naParsed;
    return true;
}

std::string GetRunQuestionKey(const std::string& strText, int nMaxValue) {
    Quadruple naValues{};
    return ParseRunQuestion(strText, nMaxValue, naValues) ? FormatQuadruple(naValues) : "";
}

std::vector<std::string> BuildFullSetCandidates(const Quadruple& naStart, const Quadruple& naEnd,
                                                int nMaxValue) {
    std::vector<std::string> saCandidates;
    for (int a = std::max(naStart[0], 1); a <= std::min(naEnd[0], nMaxValue); ++a)
        for (int b = a; b <= nMaxValue; ++b)
            for (int c = b; c <= nMaxValue; ++c)
                for (int d = c; d <= nMaxValue; ++d) {
                    const Quadruple q{a, b, c, d};
                    if (q < naStart) continue;
                    if (q > naEnd) return saCandidates;
                    saCandidates.push_back(FormatQuadruple(q));
                }
    return saCandidates;
}

std::vector<std::string> BuildCollectionCandidates(const std::vector<std::string>& saTroubleMaker,
                                                   const std::vector<std::string>& saMyFavorite,
                                                   const TrainingPlan& plan) {
    const int nMax = plan.GetMaxValue();
    std::vector<Quadruple> questions;
    const auto add = [&](const std::vector<std::string>& saList) {
        for (const std::string& strEntry : saList) {
            Quadruple q{};
            if (ParseRunQuestion(strEntry, nMax, q) &&
                std::find(questions.begin(), questions.end(), q) == questions.end())
                questions.push_back(q);
        }
    };
    if (plan.m_bTroubleMaker) add(saTroubleMaker);
    if (plan.m_bMyFavorite) add(saMyFavorite);
    std::sort(questions.begin(), questions.end());
    std::vector<std::string> saCandidates;
    for (const Quadruple& q : questions)
        if (q >= plan.m_naStart && q <= plan.m_naEnd) saCandidates.push_back(FormatQuadruple(q));
    return saCandidates;
}

std::vector<std::string> BuildCandidates(const TrainingPlan& plan,
                                         const std::vector<std::string>& saTroubleMaker,
                                         const std::vector<std::string>& saMyFavorite) {
    if (plan.m_bFullSet)
        return BuildFullSetCandidates(plan.m_naStart, plan.m_naEnd, plan.GetMaxValue());
    return BuildCollectionCandidates(saTroubleMaker, saMyFavorite, plan);
}

QuestionSelection SelectQuestions(std::vector<std::string> saCandidates, int nCount, bool bRandom,
                                  bool bAscending, bool bAlwaysDraw, std::mt19937& generator) {
    QuestionSelection selection;
    const size_t nAvailable = saCandidates.size();
    const size_t nWanted = static_cast<size_t>(std::max(nCount, 0));
    selection.nAvailable = static_cast<int>(nAvailable);
    std::vector<std::string> saChosen;
    if (bAlwaysDraw || nWanted < nAvailable) {
        const size_t nTake = std::min(nWanted, nAvailable);
        if (bRandom) {
            for (size_t i = 0; i < nTake; ++i)
                saChosen.push_back(TakeAt(saCandidates, Draw(generator, saCandidates.size())));
        } else if (bAscending) {
            saChosen.assign(saCandidates.begin(), saCandidates.begin() + nTake);
        } else {
            saChosen.assign(saCandidates.end() - nTake, saCandidates.end());
        }
    } else {
        selection.bInsufficient = nWanted != nAvailable;
        saChosen = std::move(saCandidates);
    }
    if (bRandom) {
        while (!saChosen.empty())
            selection.saQuestions.push_back(TakeAt(saChosen, Draw(generator, saChosen.size())));
    } else {
        selection.saQuestions = std::move(saChosen);
        if (!bAscending) std::reverse(selection.saQuestions.begin(), selection.saQuestions.end());
    }
    return selection;
}
