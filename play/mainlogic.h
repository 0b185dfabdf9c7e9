// The main window's decisions without the window: what the comment box shows, what a
// submission records and which effect follows it, the caption, which controls are enabled,
// and how the rule, J/Q/K and language switches change the input and the comments. The
// window hands its controls' contents in as a MainInput and shows what comes back; the
// command line builds one of these to print the same verdicts.
#pragma once

#include "core/soundeffect.h"
#include "play/comments.h"
#include "play/playrun.h"
#include "play/questioninput.h"
#include "play/rulestate.h"

#include "core/language.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum class VerdictPicture { Hidden, Correct, Incorrect };

// Window title and status line.
struct CaptionText {
    std::string strTitle;
    std::string strStatus;
};

// Whether the current question is already in each collection (decides the quick saves).
struct CollectionMembership {
    bool bInTroubleMaker = false;
    bool bInMyFavorite = false;
};

// A mode command (Training, Training Game, World Cup) in menu and toolbar.
struct ModeCommand {
    std::string strMenuText; // "T&raining..." or, while it runs, "Stop T&raining\tEsc"
    std::string strTooltip;  // "Training" or, while it runs, "Exit Training (Esc)"
    bool bShowsExit = false; // the toolbar button shows its exit picture
    bool bEnabled = true;
};

struct ControlState {
    bool bAnswerReadOnly = false;
    bool bClearAnswer = false; // "No solution!" is ticked over typed answers
    bool bNoSolutionEnabled = true;
    bool bPreviousVisible = false;
    bool bNextVisible = false;
    bool bDoneVisible = false;
    bool bValuesReadOnly = false; // value boxes read-only, spins disabled
    unsigned nSpinMaximum = 13;
    bool bSubmitEnabled = false;
    bool bCheckSolutionEnabled = false;
    bool bSaveTroubleMakerEnabled = true;
    bool bSaveMyFavoriteEnabled = true;
    bool bRuleCommandsEnabled = true; // standard, advanced, J/Q/K
    bool bToolsEnabled = true;        // Trouble Maker, My Favorite, Complete List
    bool bStandardChecked = true;
    bool bAdvancedChecked = false;
    bool bJQKChecked = true;
    std::array<ModeCommand, 3> modeCommands; // Training, Training Game, World Cup
    VerdictPicture picture = VerdictPicture::Hidden;
};

struct SubmitOutcome {
    bool bSubmitted = false; // false: Submit was not possible and nothing changed
    std::string strComments;
    SoundEffect effect = SoundEffect::None;
    bool bLockQuestion = false; // a strict run judged this question: answer box, "No
                                // solution!" and Submit stay off for it
    bool bAskToFinish = false;  // a strict run is fully answered: ask whether to finish now
};

// A Yes/No question before leaving the program or a run.
struct ExitPrompt {
    std::string strMessage;
    bool bEndsRun = false; // Yes ends the run without a report; otherwise Yes closes the program
};

class CMainLogic {
public:
    CRuleState& Rule() { return m_rule; }
    const CRuleState& Rule() const { return m_rule; }
    PlayRun& Run() { return m_run; }
    const PlayRun& Run() const { return m_run; }
    PlayMode GetMode() const { return m_mode; }
    void SetMode(PlayMode mode) { m_mode = mode; }

    // The language of every text; also selects the typed characters the interface accepts.
    // Identifiers other than Simplified (2052) and Traditional Chinese (1028) mean English.
    void SetLanguage(std::uint32_t nLanguageId);
    std::uint32_t GetLanguage() const { return m_nLanguageId; }
    // Overrides the accepted characters set by SetLanguage.
    void SetInputCharset(InterfaceCharset charset) { m_charset = charset; }

    void SetInput(const MainInput& input) { m_input = input; }
    const MainInput& GetInput() const { return m_input; }

    bool CheckValidInput(std::vector<unsigned>& uaQ) const;
    bool CanCheckResult() const;
    // Submit is possible: CanCheckResult, and a strict run has not judged this question.
    bool CanSubmit() const;
    // The valid question as "%d %d %d %d", ascending; "" when the input is not valid.
    std::string GetQuestionKey() const;

    std::string GetAnswerPrompt() const;
    // What Check Solution shows.
    std::string GetSolutionListText() const;

    // The judgment of the current input; with bRecordResult, a run records it for its
    // current question when the value boxes still hold that question. Empty when Submit would not
    // be possible (and then nothing changes).
    std::string GetComments(bool bRecordResult);
    int GetLastVerdictClass() const { return m_nLastVerdictClass; }

    // Submit: judges, records the submission in a run and says which effect to play.
    SubmitOutcome OnMainSubmit();

    // What SetCaption shows.
    CaptionText GetCaption() const;
    // What RefreshControls applies.
    ControlState GetControlState(const CollectionMembership& membership) const;

    // Rule commands: false when already under that rule. strComments holds what the comment
    // box shows and receives it regenerated when it was generated text.
    bool SelectRule(bool bStandard, std::string& strComments);
    // J/Q/K command: flips the flag and cleans the value boxes for the new maximum.
    void ToggleJQK();
    // After the application switched its language: regenerates generated comment text.
    void SelectLanguage(std::uint32_t nLanguageId, std::string& strComments);

    ExitPrompt GetExitPrompt() const;   // the Exit button, in every mode
    ExitPrompt GetEscapePrompt() const; // Esc: leaves the program, or the run in a run
    // The mode command while its mode runs.
    ExitPrompt GetModeExitPrompt(PlayMode mode) const;

    std::string GetDifficultyName() const;
    std::string GetLevelText() const; // "Hero Level"

private:
    enum class Generated { None, Prompt, SolutionList, Judgment };

    CommentContext GetContext() const;
    // The value boxes hold the current question of a run.
    bool IsRunQuestionShown() const;
    std::string Text(std::uint32_t nId, const std::string& strParam1 = {},
                     const std::string& strParam2 = {}, const std::string& strParam3 = {}) const;
    // Steps of GetComments that decide the text, changing nothing.
    Verdict ComposeComments(bool bRecordResult) const;
    Generated FindGenerator(const std::string& strShown) const;
    std::string Regenerate(Generated generated);

    CRuleState m_rule;
    PlayMode m_mode = PlayMode::Normal;
    PlayRun m_run;
    MainInput m_input;
    std::uint32_t m_nLanguageId = kLanguageEnglish;
    InterfaceCharset m_charset = InterfaceCharset::None;
    int m_nLastVerdictClass = 0;
};
