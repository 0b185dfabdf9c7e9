#include "play/runlogic.h"

#include "play/questionset.h"
#include "play/runreport.h"

#include "core/clock.h"
#include "core/messagepresenter.h"
#include "core/stringids.h"
#include "core/stringtable.h"

#include <chrono>

namespace {

PlayRun::TimePoint ToTimePoint(const QDateTime& time) {
    return PlayRun::TimePoint(std::chrono::milliseconds(time.toMSecsSinceEpoch()));
}

constexpr int kWorldCupQuestions = 40;
constexpr int kWorldCupSeconds = 2400;

constexpr std::uint32_t kDifficultyNoteIds[] = {
    IDS_DIALOG_MAIN_RULE_DL_NOTE_BEGINNER, IDS_DIALOG_MAIN_RULE_DL_NOTE_INTERMEDIATE,
    IDS_DIALOG_MAIN_RULE_DL_NOTE_ADVANCED, IDS_DIALOG_MAIN_RULE_DL_NOTE_ULTIMATE};

} // namespace

CRunLogic::CRunLogic(CMainLogic& logic, IClock& clock, IMessagePresenter& messages)
    : m_logic(logic), m_clock(clock), m_messages(messages) {}

CRunLogic::~CRunLogic() = default;

int CRunLogic::Column() const {
    return GetColumnForLanguage(m_logic.GetLanguage());
}

std::string CRunLogic::Text(std::uint32_t nId, const std::string& strParam1,
                            const std::string& strParam2, const std::string& strParam3) const {
    return GetLocalizedText(nId, strParam1, strParam2, strParam3, Column());
}

std::string CRunLogic::ModeLowerName() const {
    switch (m_logic.GetMode()) {
    case PlayMode::TrainingGame:
        return Text(IDS_KVT_TRAINING_GAME_LOWER);
    case PlayMode::WorldCup:
        return Text(IDS_KVT_WORLD_CUP_LOWER);
    default:
        return Text(IDS_KVT_TRAINING_LOWER);
    }
}

void CRunLogic::Show(const std::string& strMessage, const std::string& strCaption,
                     bool bHelpDetails, unsigned nIcon) {
    MessageRequest request;
    request.strMessage = QString::fromStdString(strMessage);
    request.strCaption = QString::fromStdString(strCaption);
    request.nStyle = KV_MB_OK | nIcon;
    request.bHasDetails = bHelpDetails;
    if (bHelpDetails) request.strDetails = KV_HELP_UG_IRRELEVANT;
    m_messages.Present(request);
}

void CRunLogic::StartRun(PlayMode mode, const TrainingPlan& plan,
                         const RunCollections& collections) {
    if (mode != PlayMode::Training && mode != PlayMode::TrainingGame) return;
    Begin(mode, plan, collections);
}

void CRunLogic::StartWorldCup() {
    const CRuleState& rule = m_logic.Rule();
    TrainingPlan plan;
    plan.m_bStandard = rule.m_bStandard;
    plan.m_bJQK = rule.m_bJQK;
    plan.m_nDifficulty = !rule.m_bStandard && rule.m_bJQK ? 3 : 2;
    plan.m_nQuestionCount = kWorldCupQuestions;
    Begin(PlayMode::WorldCup, plan, {});
}

void CRunLogic::Begin(PlayMode mode, const TrainingPlan& planIn,
                      const RunCollections& collections) {
    if (IsRunMode(m_logic.GetMode())) EndRun(false);
    // The dialog keeps its plan consistent; a plan from elsewhere is made so here.
    TrainingPlan plan = planIn;
    plan.MakeRunnable();

    CRuleState& rule = m_logic.Rule();
    rule.m_bStandard = plan.m_bStandard;
    rule.SetDifficulty(plan.m_nDifficulty);
    if (rule.m_bJQK != plan.m_bJQK) m_logic.ToggleJQK();
    m_logic.SetMode(mode);

    const bool bWorldCup = mode == PlayMode::WorldCup;
    std::vector<std::string> saCandidates =
        BuildCandidates(plan, collections.saTroubleMaker, collections.saMyFavorite);
    if (plan.m_bRandom && !m_bSeeded) {
        m_generator.seed(static_cast<std::mt19937::result_type>(m_clock.Now().toSecsSinceEpoch()));
        m_bSeeded = true;
    }
    const QuestionSelection selection =
        SelectQuestions(std::move(saCandidates), plan.m_nQuestionCount, plan.m_bRandom || bWorldCup,
                        plan.m_bAscending, bWorldCup, m_generator);
    if (selection.bInsufficient)
        Show(Text(IDS_DIALOG_MAIN_PROMPT_INSUFFICIENT_QUESTIONS,
                  std::to_string(plan.m_nQuestionCount), ModeLowerName(),
                  std::to_string(selection.nAvailable)));

    int nTimeLimit = -1;
    if (bWorldCup)
        nTimeLimit = kWorldCupSeconds;
    else if (mode == PlayMode::TrainingGame && plan.m_bTimeLimit)
        nTimeLimit = plan.m_nMinutes * 60;
    m_logic.Run().Start(selection.saQuestions, nTimeLimit, {});

    ShowRuleNote();
    if (rule.m_nDifficulty == 4)
        Show(Text(IDS_DIALOG_MAIN_PROMPT_ULTIMATE, ModeLowerName()),
             Text(IDS_DIALOG_MAIN_PROMPT_ULTIMATE_CAPTION));

    // The clock starts once the notes are read.
    m_startTime = m_clock.Now();
    m_endTime = nTimeLimit > 0 ? m_startTime.addSecs(nTimeLimit) : QDateTime();
    PlayRun& run = m_logic.Run();
    run.m_startTime = ToTimePoint(m_startTime);
    if (nTimeLimit > 0) run.m_endTime = ToTimePoint(m_endTime);
    m_pTimer = m_clock.StartTimer(1000, [pSelf = this] { pSelf->OnTimer(); });
    // A run without questions shows none, not what the player had typed before.
    m_logic.SetInput(MainInput());
    ShowQuestion(0);
}

bool CRunLogic::ShowQuestion(int nIndex) {
    PlayRun& run = m_logic.Run();
    if (!run.SetCurrent(nIndex)) return false;
    const size_t nAt = static_cast<size_t>(nIndex);
    Quadruple naValues{};
    if (!ParseRunQuestion(run.m_saQuestions[nAt], static_cast<int>(m_logic.Rule().GetMaxValue()),
                          naValues))
        return false;
    MainInput input;
    for (size_t i = 0; i < 4; ++i)
        input.saValues[i] = std::to_string(naValues[i]);
    if (run.m_uaAStatus[nAt] != kStatusNotAnswered) {
        input.bNoSolution = run.m_uaTyped[nAt] == 0;
        input.strAnswer = run.m_saAnswers[nAt];
    }
    m_logic.SetInput(input);
    return true;
}

SoundEffect CRunLogic::Previous() {
    const PlayRun& run = m_logic.Run();
    if (!IsRunMode(m_logic.GetMode()) || run.m_nIndex <= 0) return SoundEffect::None;
    ShowQuestion(run.m_nIndex - 1);
    return SoundEffect::GoPrevious;
}

SoundEffect CRunLogic::Next() {
    const PlayRun& run = m_logic.Run();
    if (!IsRunMode(m_logic.GetMode()) || run.m_nIndex + 1 >= run.m_nQuestionCount)
        return SoundEffect::None;
    ShowQuestion(run.m_nIndex + 1);
    return SoundEffect::GoNext;
}

std::string CRunLogic::GetRuleNoteText() const {
    const PlayMode mode = m_logic.GetMode();
    const PlayRun& run = m_logic.Run();
    const CRuleState& rule = m_logic.Rule();
    const std::string strDifficulty = m_logic.GetDifficultyName();
    const std::string strNote =
        Text(kDifficultyNoteIds[std::clamp(rule.m_nDifficulty, 1, 4) - 1], strDifficulty);
    const std::string strRule = Text(rule.GetRuleTipId());
    const std::string strRange = rule.m_bJQK ? "1-13" : "1-10";
    const std::string strCount = std::to_string(std::max(run.m_nQuestionCount, 0));
    switch (mode) {
    case PlayMode::Training:
        return ReplaceNumberedPlaceholders("\t\t\t" + Text(IDS_DIALOG_MAIN_RULE_TRAINING1) +
                                               "\r\n\r\n" + Text(IDS_DIALOG_MAIN_RULE_TRAINING2),
                                           {strCount, strRule, strRange, strDifficulty, strNote});
    case PlayMode::TrainingGame: {
        const std::string strLimit =
            run.m_nTimeLimit > 0
                ? Text(IDS_DIALOG_MAIN_X_MINUTES, std::to_string(run.m_nTimeLimit / 60))
                : Text(IDS_KVT_NONE);
        return ReplaceNumberedPlaceholders(
            "\t\t\t" + Text(IDS_DIALOG_MAIN_RULE_TRAINING_GAME),
            {strCount, strRule, strRange, strDifficulty, strLimit, strNote});
    }
    case PlayMode::WorldCup:
        return ReplaceNumberedPlaceholders(
            "\t\t\t" + Text(IDS_DIALOG_MAIN_RULE_WORLD_CUP1) + "\r\n\r\n" +
                Text(IDS_DIALOG_MAIN_RULE_WORLD_CUP2),
            {m_logic.GetLevelText(), strRule, strRange, strDifficulty, strNote});
    case PlayMode::Normal:
        break;
    }
    return {};
}

bool CRunLogic::ShowRuleNote() {
    if (!IsRunMode(m_logic.GetMode())) return false;
    Show(GetRuleNoteText(), {}, m_logic.Rule().m_nDifficulty != 1);
    return true;
}

SubmitOutcome CRunLogic::Submit() {
    const SubmitOutcome outcome = m_logic.OnMainSubmit();
    if (outcome.bAskToFinish) OfferToFinish();
    return outcome;
}

RunEnd CRunLogic::OfferToFinish() {
    if (!IsStrictMode(m_logic.GetMode())) return {};
    if (m_messages.ShowMessage(QString::fromStdString(Text(IDS_DIALOG_MAIN_PROMPT_SUBMIT)),
                               QString(), KV_MB_YESNO | KV_MB_ICONQUESTION) != KV_IDYES)
        return {};
    return EndRun(true);
}

RunEnd CRunLogic::EndRun(bool bReport) {
    RunEnd end;
    const PlayMode mode = m_logic.GetMode();
    if (!IsRunMode(mode)) return end;
    end.bEnded = true;
    // One moment for the text and the seconds, so the ranking uses the time the report shows.
    const QDateTime now = m_clock.Now();
    end.saValues = GetReportValues(m_logic.Run(), m_logic.Rule(), m_startTime, now, Column());
    end.nCorrect = m_logic.Run().CountCorrect();
    end.nReportSeconds = GetReportSeconds(m_logic.Run(), m_startTime, now);
    m_pTimer.reset();
    if (bReport && mode == PlayMode::TrainingGame)
        Show(GetTrainingGameReport(end.saValues, Column()), {}, false, KV_MB_ICONINFORMATION);
    end.bWorldCupReport = bReport && mode == PlayMode::WorldCup;
    m_logic.SetMode(PlayMode::Normal);
    ResetRun();
    return end;
}

void CRunLogic::ResetRun() {
    m_logic.Run().Reset();
    m_logic.SetInput(MainInput());
    m_logic.Rule().SetDifficulty(1);
    m_startTime = m_endTime = QDateTime();
}

void CRunLogic::OnTimer() {
    // The tick may release the timer that called it: only members are used from here on.
    const ClockTick tick = OnClockTick();
    if (m_fnTicked) m_fnTicked(tick);
    if (!tick.bTimeUp) return;
    const RunEnd end = EndRun(true);
    if (m_fnEnded) m_fnEnded(end);
}

ClockTick CRunLogic::OnClockTick() {
    ClockTick tick;
    if (!IsRunMode(m_logic.GetMode())) {
        m_pTimer.reset();
        return tick;
    }
    const int nLimit = m_logic.Run().m_nTimeLimit;
    if (nLimit <= 0) return tick;
    const QDateTime now = m_clock.Now();
    if (now > m_endTime) {
        m_pTimer.reset();
        tick.bTimeUp = true;
        tick.effect = SoundEffect::TimeUp;
        return tick;
    }
    tick.strClockText = FormatClockText(nLimit - GetElapsedSeconds(m_startTime, now));
    return tick;
}
