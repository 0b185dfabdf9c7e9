#include "play/playrun.h"

#include <algorithm>

void PlayRun::Reset() {
    *this = PlayRun();
}

void PlayRun::Start(const std::vector<std::string>& saQuestions, int nTimeLimit,
                    TimePoint startTime) {
    Reset();
    m_saQuestions = saQuestions;
    m_nQuestionCount = static_cast<int>(saQuestions.size());
    m_saAnswers.assign(saQuestions.size(), std::string());
    m_uaAStatus.assign(saQuestions.size(), kStatusNotAnswered);
    m_uaTyped.assign(saQuestions.size(), 0);
    m_nAnsweredCount = 0;
    m_nTimeLimit = nTimeLimit > 0 ? nTimeLimit : -1;
    m_startTime = startTime;
    if (m_nTimeLimit > 0) m_endTime = startTime + std::chrono::seconds(m_nTimeLimit);
}

bool PlayRun::HasCurrent() const {
    return m_nIndex >= 0 && m_nIndex < m_nQuestionCount &&
           static_cast<size_t>(m_nIndex) < m_uaAStatus.size();
}

unsigned PlayRun::GetCurrentStatus() const {
    return HasCurrent() ? m_uaAStatus[static_cast<size_t>(m_nIndex)] : kStatusNotAnswered;
}

bool PlayRun::SetCurrent(int nIndex) {
    if (nIndex < 0 || nIndex >= m_nQuestionCount) return false;
    m_nIndex = nIndex;
    return true;
}

int PlayRun::CountCorrect() const {
    return static_cast<int>(std::count(m_uaAStatus.begin(), m_uaAStatus.end(), kStatusCorrect));
}

int PlayRun::CountIncorrect() const {
    return static_cast<int>(std::count_if(m_uaAStatus.begin(), m_uaAStatus.end(),
                                          [](unsigned nStatus) { return nStatus > 1; }));
}

int PlayRun::CountNotAnswered() const {
    return static_cast<int>(std::count(m_uaAStatus.begin(), m_uaAStatus.end(), kStatusNotAnswered));
}
