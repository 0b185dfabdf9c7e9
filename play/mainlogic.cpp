#include "play/mainlogic.h"

#include "core/stringids.h"
#include "core/stringtable.h"
#include "engine/question.h"
#include "engine/textlines.h"

#include <algorithm>

namespace {

int ColumnOf(std::uint32_t nLanguageId) {
    switch (nLanguageId) {
    case kLanguageSimplifiedChinese:
        return kColumnSimplifiedChinese;
    case kLanguageTraditionalChinese:
        return kColumnTraditionalChinese;
    default:
        return kColumnEnglish;
    }
}

SoundEffect EffectOfClass(int nClass) {
    switch (nClass) {
    case kVerdictCorrect:
        return SoundEffect::Correct;
    case kVerdictWrong:
        return SoundEffect::Incorrect;
    case kVerdictAbnormal:
        return SoundEffect::Abnormal;
    default:
        return SoundEffect::None;
    }
}

struct ModeTexts {
    PlayMode mode;
    std::uint32_t nMenuId;
    std::uint32_t nStopMenuId;
    std::uint32_t nTipId;
    std::uint32_t nExitNameId; // "training", as in "Are you sure to exit training?"
};

constexpr ModeTexts kModeTexts[] = {
    {PlayMode::Training, IDS_MENU_GAME_TRAINING_R, IDS_MENU_GAME_STOP_TRAINING_R, IDS_TIP_TRAINING,
     IDS_KVT_TRAINING_LOWER},
    {PlayMode::TrainingGame, IDS_MENU_GAME_TRAINING_GAME_G, IDS_MENU_GAME_STOP_TRAINING_GAME_G,
     IDS_TIP_TRAINING_GAME, IDS_KVT_TRAINING_GAME_LOWER},
    {PlayMode::WorldCup, IDS_MENU_GAME_WORLD_CUP_W, IDS_MENU_GAME_EXIT_WORLD_CUP_W,
     IDS_TIP_WORLD_CUP, IDS_TIP_WORLD_CUP},
};

const ModeTexts* FindModeTexts(PlayMode mode) {
    for (const ModeTexts& texts : kModeTexts)
        if (texts.mode == mode) return &texts;
    return nullptr;
}

} // namespace

void CMainLogic::SetLanguage(std::uint32_t nLanguageId) {
    m_nLanguageId =
        nLanguageId == kLanguageSimplifiedChinese || nLanguageId == kLanguageTraditionalChinese
            ? nLanguageId
            : kLanguageEnglish;
    m_charset = m_nLanguageId == kLanguageSimplifiedChinese    ? InterfaceCharset::GB2312
                : m_nLanguageId == kLanguageTraditionalChinese ? InterfaceCharset::Big5
                                                               : InterfaceCharset::None;
}

CommentContext CMainLogic::GetContext() const {
    CommentContext context;
    context.rule = m_rule;
    context.mode = m_mode;
    context.nColumn = ColumnOf(m_nLanguageId);
    context.charset = m_charset;
    return context;
}

std::string CMainLogic::Text(std::uint32_t nId, const std::string& strParam1,
                             const std::string& strParam2, const std::string& strParam3) const {
    return GetLocalizedText(nId, strParam1, strParam2, strParam3, ColumnOf(m_nLanguageId));
}

bool CMainLogic::CheckValidInput(std::vector<unsigned>& uaQ) const {
    return CQuestionInput::CheckValidInput(m_input.saValues, m_rule.GetMaxValue(), m_charset, uaQ);
}

bool CMainLogic::CanCheckResult() const {
    return CQuestionInput::CanCheckResult(m_input, m_rule.GetMaxValue(), m_charset);
}

bool CMainLogic::CanSubmit() const {
    if (IsStrictMode(m_mode) && m_run.GetCurrentStatus() != kStatusNotAnswered) return false;
    return CanCheckResult();
}

std::string CMainLogic::GetQuestionKey() const {
    std::vector<unsigned> uaQ;
    if (!CheckValidInput(uaQ)) return {};
    return FormatQuestionText(uaQ);
}

bool CMainLogic::IsRunQuestionShown() const {
    return IsRunMode(m_mode) && m_run.HasCurrent() &&
           GetQuestionKey() == m_run.m_saQuestions[static_cast<size_t>(m_run.m_nIndex)];
}

std::string CMainLogic::GetAnswerPrompt() const {
    return CComments(GetContext()).GetAnswerPrompt(m_input);
}

std::string CMainLogic::GetSolutionListText() const {
    return CComments(GetContext()).GetSolutionListText(m_input);
}

Verdict CMainLogic::ComposeComments(bool bRecordResult) const {
    if (!CanCheckResult()) return {};
    // A strict run judges each question once.
    if (IsStrictMode(m_mode) && bRecordResult && m_run.GetCurrentStatus() != kStatusNotAnswered)
        return {};
    return CComments(GetContext()).Judge(m_input);
}

std::string CMainLogic::GetComments(bool bRecordResult) {
    const Verdict verdict = ComposeComments(bRecordResult);
    if (verdict.nClass == kVerdictNone) return verdict.strText;
    m_nLastVerdictClass = verdict.nClass;
    if (bRecordResult && IsRunQuestionShown() && verdict.nStatus != kStatusNotAnswered)
        m_run.m_uaAStatus[static_cast<size_t>(m_run.m_nIndex)] = verdict.nStatus;
    return verdict.strText;
}

SubmitOutcome CMainLogic::OnMainSubmit() {
    SubmitOutcome outcome;
    if (!CanSubmit()) return outcome;
    outcome.bSubmitted = true;
    const bool bResubmission =
        m_mode == PlayMode::Training && m_run.GetCurrentStatus() != kStatusNotAnswered;
    outcome.strComments = GetComments(true);
    // An abnormal input (too many answers) is no answer, and a question the player typed
    // over the run's own in training is not the run's: the run records nothing for them, so
    // its question stays open and the answered count stays true.
    if (!IsRunQuestionShown() || m_nLastVerdictClass == kVerdictAbnormal) {
        outcome.effect = EffectOfClass(m_nLastVerdictClass);
        return outcome;
    }
    const size_t nIndex = static_cast<size_t>(m_run.m_nIndex);
    outcome.effect =
        m_run.m_uaAStatus[nIndex] == kStatusCorrect ? SoundEffect::Correct : SoundEffect::Incorrect;
    m_run.m_uaTyped[nIndex] = m_input.bNoSolution ? 0 : 1;
    m_run.m_saAnswers[nIndex] = m_input.strAnswer;
    if (!bResubmission) ++m_run.m_nAnsweredCount;
    if (IsStrictMode(m_mode)) {
        outcome.bLockQuestion = true;
        outcome.bAskToFinish = m_run.m_nAnsweredCount >= m_run.m_nQuestionCount;
    }
    return outcome;
}

std::string CMainLogic::GetDifficultyName() const {
    std::vector<std::string> saNames;
    GetSAFromMLString(saNames, Text(IDS_DIALOG_TRAINING_DIFFICULTY_LEVEL_LIST));
    const size_t nLine = static_cast<size_t>(std::clamp(m_rule.m_nDifficulty, 1, 4) - 1);
    return nLine < saNames.size() ? saNames[nLine] : std::string();
}

std::string CMainLogic::GetLevelText() const {
    return Text(IDS_KVT_X_LEVEL, Text(m_rule.GetLevelNameId()));
}

CaptionText CMainLogic::GetCaption() const {
    CaptionText caption;
    caption.strTitle = Text(IDS_KVT_PRODUCT);
    const ModeTexts* pTexts = FindModeTexts(m_mode);
    if (pTexts == nullptr) return caption;
    const std::string strPosition = std::to_string(std::max(m_run.m_nIndex + 1, 0)) + "/" +
                                    std::to_string(std::max(m_run.m_nQuestionCount, 0));
    std::string strDetail = GetLevelText();
    if (m_mode != PlayMode::WorldCup) strDetail += " - " + GetDifficultyName();
    caption.strTitle +=
        " - " + Text(IDS_KVT_FORMAT_RUN_CAPTION, Text(pTexts->nTipId), strDetail, strPosition);
    const auto count = [this](std::uint32_t nLabelId, int nCount) {
        return Text(IDS_KVT_FORMAT_COUNT, Text(nLabelId), std::to_string(nCount));
    };
    caption.strStatus = count(IDS_KVT_CORRECT, m_run.CountCorrect()) + "  " +
                        count(IDS_KVT_INCORRECT, m_run.CountIncorrect()) + "  " +
                        count(IDS_KVT_NOT_ANSWERED, m_run.CountNotAnswered());
    return caption;
}

ControlState CMainLogic::GetControlState(const CollectionMembership& membership) const {
    ControlState state;
    const bool bRun = IsRunMode(m_mode);
    const bool bStrict = IsStrictMode(m_mode);
    const unsigned nStatus = m_run.GetCurrentStatus();
    const bool bJudgedOnce = bStrict && nStatus != kStatusNotAnswered;
    std::vector<unsigned> uaQ;

    state.bAnswerReadOnly = m_input.bNoSolution || bJudgedOnce;
    state.bClearAnswer = m_input.bNoSolution && !m_input.strAnswer.empty();
    state.bNoSolutionEnabled = !bJudgedOnce;
    state.bPreviousVisible = bRun && m_run.m_nIndex >= 1;
    state.bNextVisible = bRun;
    state.bDoneVisible = bStrict;
    state.bValuesReadOnly = bStrict;
    state.nSpinMaximum = m_rule.GetMaxValue();
    state.bSubmitEnabled = CanSubmit();
    state.bCheckSolutionEnabled = !bStrict && CheckValidInput(uaQ);
    state.bSaveTroubleMakerEnabled = !membership.bInTroubleMaker;
    state.bSaveMyFavoriteEnabled = !membership.bInMyFavorite;
    state.bRuleCommandsEnabled = !bStrict;
    state.bToolsEnabled = !bStrict;
    state.bStandardChecked = m_rule.m_bStandard;
    state.bAdvancedChecked = !m_rule.m_bStandard;
    state.bJQKChecked = m_rule.m_bJQK;
    for (size_t i = 0; i < state.modeCommands.size(); ++i) {
        const ModeTexts& texts = kModeTexts[i];
        ModeCommand& command = state.modeCommands[i];
        command.bShowsExit = m_mode == texts.mode;
        command.strMenuText = Text(command.bShowsExit ? texts.nStopMenuId : texts.nMenuId);
        command.strTooltip =
            command.bShowsExit ? Text(IDS_TIP_EXIT_X, Text(texts.nTipId)) : Text(texts.nTipId);
        // Only one mode at a time; leaving the running one is always possible.
        command.bEnabled = !bRun || m_mode == texts.mode;
    }
    if (bRun && nStatus != kStatusNotAnswered)
        state.picture =
            nStatus == kStatusCorrect ? VerdictPicture::Correct : VerdictPicture::Incorrect;
    return state;
}

CMainLogic::Generated CMainLogic::FindGenerator(const std::string& strShown) const {
    if (strShown == GetAnswerPrompt()) return Generated::Prompt;
    if (strShown == GetSolutionListText()) return Generated::SolutionList;
    if (strShown == ComposeComments(false).strText) return Generated::Judgment;
    return Generated::None;
}

std::string CMainLogic::Regenerate(Generated generated) {
    switch (generated) {
    case Generated::Prompt:
        return GetAnswerPrompt();
    case Generated::SolutionList:
        return GetSolutionListText();
    case Generated::Judgment:
        return GetComments(false);
    case Generated::None:
        break;
    }
    return {};
}

bool CMainLogic::SelectRule(bool bStandard, std::string& strComments) {
    if (m_rule.m_bStandard == bStandard) return false;
    const Generated generated = FindGenerator(strComments);
    m_rule.m_bStandard = bStandard;
    if (generated != Generated::None) strComments = Regenerate(generated);
    return true;
}

void CMainLogic::ToggleJQK() {
    m_rule.m_bJQK = !m_rule.m_bJQK;
    m_input.saValues =
        CQuestionInput::CleanValueTexts(m_input.saValues, m_rule.GetMaxValue(), m_charset);
}

void CMainLogic::SelectLanguage(std::uint32_t nLanguageId, std::string& strComments) {
    const Generated generated = FindGenerator(strComments);
    SetLanguage(nLanguageId);
    if (generated != Generated::None) strComments = Regenerate(generated);
}

ExitPrompt CMainLogic::GetExitPrompt() const {
    return {Text(IDS_DIALOG_MAIN_PROMPT_EXIT), false};
}

ExitPrompt CMainLogic::GetEscapePrompt() const {
    return IsRunMode(m_mode) ? GetModeExitPrompt(m_mode) : GetExitPrompt();
}

ExitPrompt CMainLogic::GetModeExitPrompt(PlayMode mode) const {
    const ModeTexts* pTexts = FindModeTexts(mode);
    if (pTexts == nullptr) return GetExitPrompt();
    return {Text(IDS_DIALOG_PROMPT_EXIT_X, Text(pTexts->nExitNameId)), true};
}
