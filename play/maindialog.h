// The program's main window: the question as value boxes and cards, the answers, the
// comment box with its verdicts, the menus and the toolbar. Every decision is the main
// logic's; this class reads the controls into it and shows what it answers.
#pragma once

#include "core/collection.h"
#include "media/musicsettings.h"
#include "play/commandicons.h"
#include "play/mainlogic.h"

#include <QMainWindow>

#include <memory>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CApplication;
class CCardView;
class CHyperLink;
class CMainWindowSession;
class CMusicPlayer;
class CRunLogic;
class CWorldCupFlow;
struct ClockTick;
struct RunCollections;
struct RunEnd;
struct TrainingPlan;
class CBitmapBackground;
class CBackgroundPainter;
class CFileDrop;
class CUpdateCheck;
class CValueBox;
class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolBar;

class CMainDialog : public QMainWindow {
    Q_OBJECT
public:
    // Without a music player the Music menu stays greyed and nothing sounds.
    explicit CMainDialog(CApplication& app, CMusicPlayer* pMusic = nullptr,
                         QWidget* pParent = nullptr);
    ~CMainDialog() override;

    const CMainLogic& GetLogic() const { return m_logic; }
    CMainWindowSession* GetSession() const { return m_pSession; }
    // The three language commands in menu order, and the Help menu's commands.
    QAction* GetLanguageAction(int nIndex) const;
    QAction* GetHelpAction() const { return m_pHelpAction; }
    QAction* GetAboutAction() const { return m_pAboutAction; }
    // Tools: the managers of Trouble Maker and My Favorite; Game: the quick saves.
    QAction* GetCollectionAction(bool bMyFavorite) const {
        return bMyFavorite ? m_pFavoriteAction : m_pTroubleAction;
    }
    QAction* GetQuickSaveAction(bool bMyFavorite) const {
        return bMyFavorite ? m_pSaveFavoriteAction : m_pSaveTroubleAction;
    }
    QAction* GetMusicOnAction() const { return m_pMusicOnAction; }
    QAction* GetBackgroundMusicAction() const { return m_pBackgroundMusicAction; }
    // Game: Training, Training Game, World Cup; Help: the rule note of the run.
    QAction* GetModeAction(PlayMode mode) const;
    QAction* GetRuleNoteAction() const { return m_pRuleNoteAction; }

    // The play situation whose music should sound now.
    MusicContext CurrentMusicContext() const;

    void OnSelectLanguage(int nIndex);
    void BringToFront();

signals:
    // The window was closed; the program ends with it.
    void Closed();

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    struct Labelled {
        QMenu* pMenu = nullptr;
        QAction* pAction = nullptr;
        std::uint32_t nTextId = 0; // menu text
        std::uint32_t nTipId = 0;  // tooltip of its toolbar button, 0: none
    };

    QWidget* BuildCentral();
    void BuildMenus();
    void BuildToolbar();
    QMenu* AddMenu(std::uint32_t nTextId);
    QAction* AddCommand(QMenu* pMenu, std::uint32_t nTextId, std::uint32_t nTipId = 0);
    void Relabel();

    void ReadInput();
    void RefreshControls();
    void SetComments(const std::string& strComments);
    void OnCheckSolution();
    void OnSubmit();
    void OnSelectRule(bool bStandard);
    void OnToggleJQK();
    void OnToggleEnlarged();
    void OnOpenCollection(bool bMyFavorite);
    void OnBackground();
    void OnCompleteList();
    void StartUpdateCheck();
    void OnQuickSave(bool bMyFavorite);
    void LoadCollections();
    CollectionMembership GetMembership() const;
    void OnEscape();
    void AskToExit(const ExitPrompt& prompt);
    bool Ask(const std::string& strMessage);

    // Runs (maindialogruns.cpp).
    void ConnectRuns();
    void OnModeCommand(PlayMode mode);
    // Every run starts and ends through these two, whatever started or ended it.
    void StartPlayRun(PlayMode mode, const TrainingPlan& plan);
    void FinishPlayRun(const RunEnd& end);
    RunCollections GetRunCollections() const;
    void ShowInput();
    void ShowRunQuestion();
    void OnStep(bool bNext);
    void OnDone();
    void OnHelp();
    void OnClockTick(const ClockTick& tick);
    void SetClockText(const std::string& strText);
    bool IsModeAvailable(size_t nMode) const;
    CWorldCupFlow MakeWorldCupFlow();
    bool TakesRunKey(const QKeyEvent& key) const;

    CApplication& m_app;
    CMainWindowSession* m_pSession = nullptr;
    CMusicPlayer* m_pMusic = nullptr;
    CMainLogic m_logic;
    std::unique_ptr<CRunLogic> m_pRuns; // none without a clock and a message presenter
    Collection m_favorites;
    Collection m_troubles;
    std::unique_ptr<CBitmapBackground> m_pBackground;
    std::unique_ptr<CBackgroundPainter> m_pBackgroundPainter;
    std::unique_ptr<CFileDrop> m_pDrop;
    std::unique_ptr<CUpdateCheck> m_pUpdate;
    std::string m_strComments; // what the comment box shows, as the logic composed it
    bool m_bRefreshing = false;
    bool m_bEnlarged = false;
    bool m_bClosing = false;
    bool m_bMusicStarted = false;

    std::vector<Labelled> m_labelled;
    std::array<QAction*, 3> m_apLanguages{};
    std::array<QAction*, 3> m_apModes{}; // Training, Training Game, World Cup
    std::array<CommandIcon, 3> m_aModeIcons{CommandIcon::Training, CommandIcon::TrainingGame,
                                            CommandIcon::WorldCup};
    QAction* m_pStandardAction = nullptr;
    QAction* m_pAdvancedAction = nullptr;
    QAction* m_pJQKAction = nullptr;
    QAction* m_pCheckAction = nullptr;
    QAction* m_pSaveTroubleAction = nullptr;
    QAction* m_pSaveFavoriteAction = nullptr;
    QAction* m_pTroubleAction = nullptr;
    QAction* m_pFavoriteAction = nullptr;
    QAction* m_pMusicOnAction = nullptr;
    QAction* m_pBackgroundMusicAction = nullptr;
    QAction* m_pEnlargedAction = nullptr;
    QAction* m_pHelpAction = nullptr;
    QAction* m_pRuleNoteAction = nullptr;
    QAction* m_pCompleteListAction = nullptr;
    QAction* m_pAboutAction = nullptr;
    QToolBar* m_pToolBar = nullptr;

    QLabel* m_pQuestionLabel = nullptr;
    std::array<CValueBox*, 4> m_apValues{};
    CCardView* m_pCards = nullptr;
    QLabel* m_pAnswerLabel = nullptr;
    QPlainTextEdit* m_pAnswer = nullptr;
    QCheckBox* m_pNoSolution = nullptr;
    QPushButton* m_pPrevious = nullptr;
    QPushButton* m_pSubmit = nullptr;
    QPushButton* m_pNext = nullptr;
    QLabel* m_pCommentsLabel = nullptr;
    QPlainTextEdit* m_pComments = nullptr;
    QPushButton* m_pCheck = nullptr;
    QLabel* m_pVerdict = nullptr;
    QLabel* m_pStatus = nullptr;
    QPushButton* m_pDone = nullptr;
    CHyperLink* m_pLink = nullptr;
    QLabel* m_pClock = nullptr; // right end of the menu bar, while a timed run lasts
};
