#include "play/maindialog.h"

#include "core/application.h"
#include "core/collectionmanagerdialog.h"
#include "core/completelistdialog.h"
#include "core/completelistlogic.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/registrystore.h"
#include "core/savetocollectiondialog.h"
#include "core/stringids.h"
#include "media/backgrounddialog.h"
#include "media/backgroundmusicdialog.h"
#include "media/backgroundpainter.h"
#include "media/bitmapbackground.h"
#include "media/filedrop.h"
#include "media/help.h"
#include "media/hyperlink.h"
#include "media/musicplayer.h"
#include "media/updatecheck.h"
#include "media/updatedownloaddialog.h"
#include "play/aboutdialog.h"
#include "play/cardview.h"
#include "play/mainwindowsession.h"
#include "play/programicon.h"
#include "play/runlogic.h"
#include "play/valuebox.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kEnlargedExtra = 100; // pixels the answer and comment boxes grow when enlarged
constexpr int kBoxHeight = 150;
const char* const kUiSubKey = "UI";
const char* const kEnlargedName = "Enlarged";

// The logic's texts end lines with CR LF; the edit boxes with LF.
QString ToDisplay(const std::string& strText) {
    return QString::fromStdString(strText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

CMainDialog::CMainDialog(CApplication& app, CMusicPlayer* pMusic, QWidget* pParent)
    : QMainWindow(pParent), m_app(app), m_pMusic(pMusic) {
    setWindowIcon(GetProgramIcon());
    m_pSession = new CMainWindowSession(m_app, this);
    connect(m_pSession, &CMainWindowSession::RaiseRequested, this, &CMainDialog::BringToFront);
    connect(m_pSession, &CMainWindowSession::CloseRequested, this, &QWidget::close);
    connect(this, &QWidget::windowTitleChanged, m_pSession, &CMainWindowSession::PublishTitle);

    m_logic.Rule().Load(m_app.GetRegistryStore());
    m_logic.SetLanguage(GetLanguageId());
    m_bEnlarged = m_app.GetRegistryStore().ReadNumber(kUiSubKey, kEnlargedName, 0) == 1;
    LoadCollections();
    const CServices& services = m_app.GetServices();
    if (services.pClock && services.pMessages)
        m_pRuns = std::make_unique<CRunLogic>(m_logic, *services.pClock, *services.pMessages);
    m_pBackground = std::make_unique<CBitmapBackground>(&m_app.GetRegistryStore(),
                                                        m_app.GetAppFolder(), [this] { update(); });
    m_pBackground->LoadBackgroundSettings();
    m_pBackgroundPainter = std::make_unique<CBackgroundPainter>();
    m_pDrop = std::make_unique<CFileDrop>(*m_pBackground, m_pMusic);
    setAcceptDrops(true);
    connect(m_pSession, &CMainWindowSession::StartupDone, this, &CMainDialog::StartUpdateCheck);

    setCentralWidget(BuildCentral());
    BuildMenus();
    BuildToolbar();
    ConnectRuns();

    auto* pEscape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(pEscape, &QShortcut::activated, this, &CMainDialog::OnEscape);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* pSubmit = new QShortcut(keys, this);
        connect(pSubmit, &QShortcut::activated, this, &CMainDialog::OnSubmit);
    }

    if (m_bEnlarged) {
        m_bEnlarged = false;
        OnToggleEnlarged();
    }
    Relabel();
    RefreshControls();
    resize(sizeHint().expandedTo(QSize(760, 0)));
    if (const QScreen* pScreen = screen()) {
        const QRect available = pScreen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
    m_apValues[0]->setFocus();
}

// The session goes first: it must not hear the title change of a window being destroyed.
// A run still going ends with the window, silently: its clock must not tick into a dead one.
CMainDialog::~CMainDialog() {
    delete m_pSession;
    m_pRuns.reset();
}

QWidget* CMainDialog::BuildCentral() {
    auto* pCentral = new QWidget(this);
    auto* pLayout = new QVBoxLayout(pCentral);
    pLayout->setContentsMargins(14, 10, 14, 10);

    m_pQuestionLabel = new QLabel(pCentral);
    auto* pValues = new QHBoxLayout;
    pValues->addWidget(m_pQuestionLabel);
    for (size_t n = 0; n < 4; ++n) {
        auto* pBox = new CValueBox(pCentral);
        pBox->setObjectName(QStringLiteral("value%1").arg(n + 1));
        pBox->setMinimumWidth(64);
        QFont font = pBox->font();
        font.setPointSizeF(font.pointSizeF() * 1.3);
        pBox->setFont(font);
        connect(pBox, &CValueBox::TextEdited, this, [this] { RefreshControls(); });
        pValues->addWidget(pBox);
        m_apValues[n] = pBox;
    }
    pValues->addStretch(1);
    m_pQuestionLabel->setBuddy(m_apValues[0]);
    pLayout->addLayout(pValues);

    m_pCards = new CCardView(pCentral);
    m_pCards->setObjectName(QStringLiteral("cards"));
    connect(m_pCards, &CCardView::CardClicked, this, [this](int nIndex) {
        CValueBox* pBox = m_apValues[static_cast<size_t>(nIndex)];
        pBox->setFocus(Qt::MouseFocusReason);
        pBox->selectAll();
    });
    pLayout->addWidget(m_pCards, 2);

    auto* pColumns = new QGridLayout;
    pColumns->setHorizontalSpacing(16);
    m_pAnswerLabel = new QLabel(pCentral);
    m_pAnswer = new QPlainTextEdit(pCentral);
    m_pAnswer->setObjectName(QStringLiteral("answer"));
    m_pAnswer->setTabChangesFocus(true);
    m_pAnswer->installEventFilter(this);
    m_pAnswerLabel->setBuddy(m_pAnswer);
    connect(m_pAnswer, &QPlainTextEdit::textChanged, this, [this] { RefreshControls(); });
    m_pCommentsLabel = new QLabel(pCentral);
    m_pComments = new QPlainTextEdit(pCentral);
    m_pComments->setObjectName(QStringLiteral("comments"));
    m_pComments->setReadOnly(true);
    m_pComments->setTabChangesFocus(true);
    m_pCommentsLabel->setBuddy(m_pComments);
    for (QPlainTextEdit* pBox : {m_pAnswer, m_pComments})
        pBox->setMinimumHeight(kBoxHeight);
    pColumns->addWidget(m_pAnswerLabel, 0, 0);
    pColumns->addWidget(m_pAnswer, 1, 0);
    pColumns->addWidget(m_pCommentsLabel, 0, 1);
    pColumns->addWidget(m_pComments, 1, 1);

    m_pNoSolution = new QCheckBox(pCentral);
    m_pNoSolution->setObjectName(QStringLiteral("noSolution"));
    connect(m_pNoSolution, &QCheckBox::toggled, this, [this] {
        RefreshControls();
        m_pAnswer->setFocus();
    });
    m_pPrevious = new QPushButton(pCentral);
    m_pSubmit = new QPushButton(pCentral);
    m_pNext = new QPushButton(pCentral);
    m_pPrevious->setObjectName(QStringLiteral("previous"));
    m_pSubmit->setObjectName(QStringLiteral("submit"));
    m_pNext->setObjectName(QStringLiteral("next"));
    connect(m_pSubmit, &QPushButton::clicked, this, &CMainDialog::OnSubmit);
    auto* pAnswerRow = new QHBoxLayout;
    pAnswerRow->addWidget(m_pNoSolution);
    pAnswerRow->addStretch(1);
    pAnswerRow->addWidget(m_pPrevious);
    pAnswerRow->addWidget(m_pSubmit);
    pAnswerRow->addWidget(m_pNext);
    pColumns->addLayout(pAnswerRow, 2, 0);

    m_pCheck = new QPushButton(pCentral);
    m_pCheck->setObjectName(QStringLiteral("check"));
    connect(m_pCheck, &QPushButton::clicked, this, &CMainDialog::OnCheckSolution);
    m_pVerdict = new QLabel(pCentral);
    m_pVerdict->setObjectName(QStringLiteral("verdict"));
    m_pVerdict->setFixedSize(28, 28);
    auto* pCommentRow = new QHBoxLayout;
    pCommentRow->addWidget(m_pVerdict);
    pCommentRow->addStretch(1);
    pCommentRow->addWidget(m_pCheck);
    pColumns->addLayout(pCommentRow, 2, 1);
    pColumns->setColumnStretch(0, 1);
    pColumns->setColumnStretch(1, 1);
    pLayout->addLayout(pColumns, 3);

    m_pStatus = new QLabel(pCentral);
    m_pStatus->setObjectName(QStringLiteral("status"));
    m_pLink = new CHyperLink(pCentral);
    m_pLink->setObjectName(QStringLiteral("link"));
    m_pDone = new QPushButton(pCentral);
    m_pDone->setObjectName(QStringLiteral("done"));
    auto* pBottom = new QHBoxLayout;
    pBottom->addWidget(m_pStatus, 1);
    pBottom->addWidget(m_pLink);
    pBottom->addWidget(m_pDone);
    pLayout->addLayout(pBottom);

    // Reading order: the question, the answers and their buttons, then the comments.
    QWidget* pPrevious = m_apValues[0];
    for (QWidget* pNext : std::initializer_list<QWidget*>{
             m_apValues[1], m_apValues[2], m_apValues[3], m_pAnswer, m_pNoSolution, m_pPrevious,
             m_pSubmit, m_pNext, m_pComments, m_pCheck, m_pLink, m_pDone}) {
        setTabOrder(pPrevious, pNext);
        pPrevious = pNext;
    }
    return pCentral;
}

QMenu* CMainDialog::AddMenu(std::uint32_t nTextId) {
    QMenu* pMenu = menuBar()->addMenu(QString());
    m_labelled.push_back({pMenu, nullptr, nTextId, 0});
    // Texts are taken afresh whenever a menu opens.
    connect(pMenu, &QMenu::aboutToShow, this, [this] { RefreshControls(); });
    return pMenu;
}

QAction* CMainDialog::AddCommand(QMenu* pMenu, std::uint32_t nTextId, std::uint32_t nTipId) {
    QAction* pAction = pMenu->addAction(QString());
    m_labelled.push_back({nullptr, pAction, nTextId, nTipId});
    return pAction;
}

void CMainDialog::BuildMenus() {
    QMenu* pGame = AddMenu(IDS_MENU_GAME_G);
    m_pStandardAction = AddCommand(pGame, IDS_MENU_GAME_STANDARD_RULE_S, IDS_TIP_STANDARD);
    m_pAdvancedAction = AddCommand(pGame, IDS_MENU_GAME_ADVANCED_RULE_A, IDS_TIP_ADVANCED);
    m_pJQKAction = AddCommand(pGame, IDS_MENU_GAME_ENABLE_JQK_J, IDS_TIP_ENABLE_JQK);
    for (QAction* pAction : {m_pStandardAction, m_pAdvancedAction, m_pJQKAction})
        pAction->setCheckable(true);
    connect(m_pStandardAction, &QAction::triggered, this, [this] { OnSelectRule(true); });
    connect(m_pAdvancedAction, &QAction::triggered, this, [this] { OnSelectRule(false); });
    connect(m_pJQKAction, &QAction::triggered, this, &CMainDialog::OnToggleJQK);
    pGame->addSeparator();
    // The modes' texts follow the running mode; they come from the logic.
    for (size_t n = 0; n < m_apModes.size(); ++n) {
        m_apModes[n] = pGame->addAction(QString());
        m_apModes[n]->setObjectName(QStringLiteral("mode%1").arg(n));
    }
    pGame->addSeparator();
    m_pCheckAction =
        AddCommand(pGame, IDS_MENU_GAME_CHECK_SOLUTION_C, IDS_TIP_CHECK_SOLUTION_CTRL_S);
    m_pCheckAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_pCheckAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_pCheckAction, &QAction::triggered, this, &CMainDialog::OnCheckSolution);
    pGame->addSeparator();
    m_pSaveTroubleAction =
        AddCommand(pGame, IDS_MENU_GAME_SAVE_TROUBLE_MAKER_T, IDS_TIP_SAVE_TROUBLE);
    m_pSaveFavoriteAction =
        AddCommand(pGame, IDS_MENU_GAME_SAVE_MY_FAVORITE_M, IDS_TIP_SAVE_FAVORITE);
    connect(m_pSaveTroubleAction, &QAction::triggered, this, [this] { OnQuickSave(false); });
    connect(m_pSaveFavoriteAction, &QAction::triggered, this, [this] { OnQuickSave(true); });
    pGame->addSeparator();
    QAction* pExit = AddCommand(pGame, IDS_MENU_GAME_EXIT_X, IDS_TIP_EXIT);
    pExit->setObjectName(QStringLiteral("exit"));
    connect(pExit, &QAction::triggered, this, [this] { AskToExit(m_logic.GetExitPrompt()); });

    QMenu* pTools = AddMenu(IDS_MENU_TOOLS_T);
    m_pTroubleAction = AddCommand(pTools, IDS_MENU_TOOLS_TROUBLE_MAKER_T, IDS_TIP_TROUBLE_MAKER);
    m_pFavoriteAction = AddCommand(pTools, IDS_MENU_TOOLS_MY_FAVORITE_M, IDS_TIP_MY_FAVORITE);
    connect(m_pTroubleAction, &QAction::triggered, this, [this] { OnOpenCollection(false); });
    connect(m_pFavoriteAction, &QAction::triggered, this, [this] { OnOpenCollection(true); });
    m_pCompleteListAction =
        AddCommand(pTools, IDS_MENU_TOOLS_COMPLETE_LIST_C, IDS_TIP_COMPLETE_LIST);
    connect(m_pCompleteListAction, &QAction::triggered, this, &CMainDialog::OnCompleteList);
    pTools->addSeparator();
    auto* pLanguages = new QActionGroup(this);
    // Each language names itself in its own script, whatever the current language.
    static const char* const szaLabels[] = {"&English", "&Simplified Chinese (简体中文)",
                                            "&Traditional Chinese (繁體中文)"};
    for (int n = 0; n < 3; ++n) {
        QAction* pAction = pTools->addAction(QString::fromUtf8(szaLabels[n]));
        pAction->setCheckable(true);
        pLanguages->addAction(pAction);
        connect(pAction, &QAction::triggered, this, [this, n] { OnSelectLanguage(n); });
        m_apLanguages[static_cast<size_t>(n)] = pAction;
    }

    QMenu* pUi = AddMenu(IDS_MENU_UI_U);
    QAction* pBackground = AddCommand(pUi, IDS_MENU_UI_BACKGROUND_B);
    connect(pBackground, &QAction::triggered, this, &CMainDialog::OnBackground);
    m_pEnlargedAction = AddCommand(pUi, IDS_MENU_UI_ENLARGED_E);
    m_pEnlargedAction->setCheckable(true);
    connect(m_pEnlargedAction, &QAction::triggered, this, &CMainDialog::OnToggleEnlarged);

    QMenu* pMusic = AddMenu(IDS_MENU_MUSIC_M);
    m_pBackgroundMusicAction = AddCommand(pMusic, IDS_MENU_MUSIC_BACKGROUND_MUSIC_B);
    m_pMusicOnAction = AddCommand(pMusic, IDS_MENU_MUSIC_ON_O);
    m_pMusicOnAction->setCheckable(true);
    if (m_pMusic) {
        m_pMusicOnAction->setChecked(m_pMusic->Settings().m_bMusicOn);
        connect(m_pMusicOnAction, &QAction::triggered, this, [this] {
            m_pMusic->ToggleMusic();
            m_pMusicOnAction->setChecked(m_pMusic->Settings().m_bMusicOn);
        });
        connect(m_pBackgroundMusicAction, &QAction::triggered, this, [this] {
            m_pMusic->RunBackgroundMusicCommand([this] {
                CBackgroundMusicDialog dialog(*m_pMusic, m_app.GetServices().pFiles,
                                              &m_app.GetRegistryStore(), this);
                dialog.exec();
            });
            m_pMusicOnAction->setChecked(m_pMusic->Settings().m_bMusicOn);
        });
    } else {
        m_pBackgroundMusicAction->setEnabled(false);
        m_pMusicOnAction->setEnabled(false);
    }

    QMenu* pHelp = AddMenu(IDS_MENU_HELP_H);
    m_pHelpAction = AddCommand(pHelp, IDS_MENU_HELP_H_F1, IDS_TIP_HELP);
    m_pHelpAction->setShortcut(QKeySequence(Qt::Key_F1));
    connect(m_pHelpAction, &QAction::triggered, this, &CMainDialog::OnHelp);
    // The rules of a run; there is none outside one.
    m_pRuleNoteAction = AddCommand(pHelp, IDS_MENU_HELP_RULE_R);
    m_pRuleNoteAction->setObjectName(QStringLiteral("ruleNote"));
    connect(m_pRuleNoteAction, &QAction::triggered, this, &CMainDialog::OnHelp);
    pHelp->addSeparator();
    m_pAboutAction = AddCommand(pHelp, IDS_MENU_HELP_ABOUT_A, IDS_TIP_ABOUT);
    connect(m_pAboutAction, &QAction::triggered, this, [this] {
        CAboutDialog about(this);
        about.exec();
    });
}

void CMainDialog::BuildToolbar() {
    m_pToolBar = addToolBar(QString());
    m_pToolBar->setObjectName(QStringLiteral("toolbar"));
    m_pToolBar->setMovable(false);
    m_pToolBar->setIconSize(QSize(28, 28));
    m_pToolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    auto Add = [this](QAction* pAction, CommandIcon icon) {
        pAction->setIcon(GetCommandIcon(icon));
        m_pToolBar->addAction(pAction);
    };
    Add(m_pStandardAction, CommandIcon::StandardRule);
    Add(m_pAdvancedAction, CommandIcon::AdvancedRule);
    Add(m_pJQKAction, CommandIcon::JQK);
    m_pToolBar->addSeparator();
    for (size_t n = 0; n < m_apModes.size(); ++n)
        Add(m_apModes[n], m_aModeIcons[n]);
    m_pToolBar->addSeparator();
    Add(m_pCheckAction, CommandIcon::CheckSolution);
    Add(m_pSaveTroubleAction, CommandIcon::SaveTroubleMaker);
    Add(m_pSaveFavoriteAction, CommandIcon::SaveMyFavorite);
    m_pToolBar->addSeparator();
    for (const Labelled& item : m_labelled) {
        if (!item.pAction) continue;
        switch (item.nTextId) {
        case IDS_MENU_GAME_EXIT_X:
            Add(item.pAction, CommandIcon::Exit);
            break;
        case IDS_MENU_TOOLS_TROUBLE_MAKER_T:
            Add(item.pAction, CommandIcon::TroubleMaker);
            break;
        case IDS_MENU_TOOLS_MY_FAVORITE_M:
            Add(item.pAction, CommandIcon::MyFavorite);
            break;
        case IDS_MENU_TOOLS_COMPLETE_LIST_C:
            Add(item.pAction, CommandIcon::CompleteList);
            break;
        default:
            break;
        }
    }
    m_pToolBar->addSeparator();
    Add(m_pHelpAction, CommandIcon::Help);
    Add(m_pAboutAction, CommandIcon::About);
}

QAction* CMainDialog::GetLanguageAction(int nIndex) const {
    return nIndex >= 0 && nIndex < 3 ? m_apLanguages[static_cast<size_t>(nIndex)] : nullptr;
}

void CMainDialog::Relabel() {
    for (const Labelled& item : m_labelled) {
        if (item.pMenu) item.pMenu->setTitle(LocalizedText(item.nTextId));
        if (item.pAction) {
            item.pAction->setText(LocalizedText(item.nTextId));
            // The toolbar shows the tip; without one it would show the menu text.
            item.pAction->setToolTip(
                item.nTipId ? LocalizedText(item.nTipId)
                            : QString(item.pAction->text()).remove('&').section('\t', 0, 0));
        }
    }
    const int nLanguage = CMainWindowSession::GetLanguageIndex();
    for (int n = 0; n < 3; ++n)
        m_apLanguages[static_cast<size_t>(n)]->setChecked(n == nLanguage);
    m_pQuestionLabel->setText(LocalizedText(IDS_DIALOG_MAIN_QUESTION_Q));
    m_pAnswerLabel->setText(LocalizedText(IDS_DIALOG_MAIN_MY_SOLUTIONS_M));
    m_pCommentsLabel->setText(LocalizedText(IDS_DIALOG_MAIN_COMMENTS_C));
    m_pNoSolution->setText(LocalizedText(IDS_DIALOG_MAIN_NO_SOLUTION_N));
    m_pPrevious->setText(LocalizedText(IDS_TIP_PREVIOUS_SHORT));
    m_pPrevious->setToolTip(LocalizedText(IDS_TIP_PREVIOUS));
    m_pSubmit->setText(LocalizedText(IDS_TIP_SUBMIT_SHORT));
    m_pSubmit->setToolTip(LocalizedText(IDS_TIP_SUBMIT_MY_ANSWER));
    m_pNext->setText(LocalizedText(IDS_TIP_NEXT_SHORT));
    m_pNext->setToolTip(LocalizedText(IDS_TIP_NEXT));
    m_pCheck->setText(LocalizedText(IDS_TIP_CHECK_SOLUTION));
    m_pCheck->setToolTip(LocalizedText(IDS_TIP_CHECK_SOLUTION_CTRL_S));
    m_pDone->setText(LocalizedText(IDS_TIP_DONE_SHORT));
    m_pDone->setToolTip(LocalizedText(IDS_TIP_DONE));
    const QString strHomePage = GetMakerHomePage();
    m_pLink->SetAddress(strHomePage);
    m_pLink->setVisible(!strHomePage.isEmpty());
    RefreshControls();
}

void CMainDialog::ReadInput() {
    MainInput input;
    for (size_t n = 0; n < 4; ++n)
        input.saValues[n] = m_apValues[n]->GetText().toStdString();
    input.strAnswer = m_pAnswer->toPlainText().toStdString();
    input.bNoSolution = m_pNoSolution->isChecked();
    m_logic.SetInput(input);
}

void CMainDialog::RefreshControls() {
    if (m_bRefreshing || !m_pToolBar) return;
    m_bRefreshing = true;
    ReadInput();
    ControlState state = m_logic.GetControlState(GetMembership());
    if (state.bClearAnswer) {
        m_pAnswer->clear();
        ReadInput();
        state = m_logic.GetControlState(GetMembership());
    }
    m_pAnswer->setReadOnly(state.bAnswerReadOnly);
    m_pNoSolution->setEnabled(state.bNoSolutionEnabled);
    m_pPrevious->setVisible(state.bPreviousVisible);
    m_pNext->setVisible(state.bNextVisible);
    m_pDone->setVisible(state.bDoneVisible);
    std::array<QString, 4> saValues;
    for (size_t n = 0; n < 4; ++n) {
        m_apValues[n]->setReadOnly(state.bValuesReadOnly);
        m_apValues[n]->SetMaximum(static_cast<int>(state.nSpinMaximum));
        saValues[n] = m_apValues[n]->GetText();
    }
    m_pCards->SetValues(saValues);
    m_pSubmit->setEnabled(state.bSubmitEnabled);
    m_pCheck->setEnabled(state.bCheckSolutionEnabled);
    m_pCheckAction->setEnabled(state.bCheckSolutionEnabled);
    m_pSaveTroubleAction->setEnabled(state.bSaveTroubleMakerEnabled);
    m_pSaveFavoriteAction->setEnabled(state.bSaveMyFavoriteEnabled);
    for (QAction* pAction : {m_pStandardAction, m_pAdvancedAction, m_pJQKAction})
        pAction->setEnabled(state.bRuleCommandsEnabled);
    m_pStandardAction->setChecked(state.bStandardChecked);
    m_pAdvancedAction->setChecked(state.bAdvancedChecked);
    m_pJQKAction->setChecked(state.bJQKChecked);
    for (size_t n = 0; n < m_apModes.size(); ++n) {
        const ModeCommand& command = state.modeCommands[n];
        m_apModes[n]->setText(QString::fromStdString(command.strMenuText));
        m_apModes[n]->setToolTip(QString::fromStdString(command.strTooltip));
        m_apModes[n]->setIcon(GetCommandIcon(m_aModeIcons[n], command.bShowsExit));
        m_apModes[n]->setEnabled(command.bEnabled && IsModeAvailable(n));
    }
    for (QAction* pAction : {m_pTroubleAction, m_pFavoriteAction, m_pCompleteListAction})
        pAction->setEnabled(state.bToolsEnabled);
    m_pRuleNoteAction->setEnabled(IsRunMode(m_logic.GetMode()));
    if (state.picture == VerdictPicture::Hidden) {
        m_pVerdict->clear();
    } else {
        m_pVerdict->setPixmap(GetVerdictPixmap(state.picture == VerdictPicture::Correct, 28));
    }
    m_pEnlargedAction->setChecked(m_bEnlarged);
    const CaptionText caption = m_logic.GetCaption();
    const QString strTitle = QString::fromStdString(caption.strTitle);
    if (windowTitle() != strTitle) setWindowTitle(strTitle);
    m_pStatus->setText(QString::fromStdString(caption.strStatus));
    m_bRefreshing = false;
}

void CMainDialog::SetComments(const std::string& strComments) {
    m_strComments = strComments;
    m_pComments->setPlainText(ToDisplay(strComments));
}

void CMainDialog::OnCheckSolution() {
    RefreshControls();
    if (!m_pCheckAction->isEnabled()) return;
    SetComments(m_logic.GetSolutionListText());
}

void CMainDialog::OnSubmit() {
    ReadInput();
    const SubmitOutcome outcome = m_logic.OnMainSubmit();
    if (!outcome.bSubmitted) return;
    if (m_pMusic) m_pMusic->PlayEffect(outcome.effect);
    SetComments(outcome.strComments);
    RefreshControls();
    // The verdict shows before the question whether to finish.
    if (outcome.bAskToFinish && m_pRuns) FinishPlayRun(m_pRuns->OfferToFinish());
}

void CMainDialog::OnSelectRule(bool bStandard) {
    ReadInput();
    std::string strComments = m_strComments;
    if (m_logic.SelectRule(bStandard, strComments)) SetComments(strComments);
    RefreshControls();
}

void CMainDialog::OnToggleJQK() {
    ReadInput();
    m_logic.ToggleJQK();
    const MainInput& input = m_logic.GetInput();
    m_bRefreshing = true;
    for (size_t n = 0; n < 4; ++n)
        m_apValues[n]->SetText(QString::fromStdString(input.saValues[n]));
    m_bRefreshing = false;
    RefreshControls();
}

void CMainDialog::OnToggleEnlarged() {
    m_bEnlarged = !m_bEnlarged;
    m_app.GetRegistryStore().WriteNumber(kUiSubKey, kEnlargedName, m_bEnlarged ? 1 : 0);
    const int nHeight = kBoxHeight + (m_bEnlarged ? kEnlargedExtra : 0);
    for (QPlainTextEdit* pBox : {m_pAnswer, m_pComments})
        pBox->setMinimumHeight(nHeight);
    if (m_pToolBar) {
        const int nGrow = m_bEnlarged ? kEnlargedExtra : -kEnlargedExtra;
        if (!isMaximized() && !isFullScreen())
            resize(width(), std::max(minimumSizeHint().height(), height() + nGrow));
        if (const QScreen* pScreen = screen()) {
            const QRect available = pScreen->availableGeometry();
            move(available.center() - QPoint(width() / 2, height() / 2));
        }
    }
    RefreshControls();
}

bool CMainDialog::Ask(const std::string& strMessage) {
    IMessagePresenter* pMessages = m_app.GetServices().pMessages;
    if (!pMessages) return false;
    return pMessages->ShowMessage(QString::fromStdString(strMessage), QString(),
                                  KV_MB_YESNO | KV_MB_ICONQUESTION) == KV_IDYES;
}

void CMainDialog::AskToExit(const ExitPrompt& prompt) {
    if (!Ask(prompt.strMessage)) return;
    if (!prompt.bEndsRun)
        close();
    else if (m_pRuns)
        FinishPlayRun(m_pRuns->EndRun(false));
}

void CMainDialog::OnEscape() {
    AskToExit(m_logic.GetEscapePrompt());
}

void CMainDialog::OnSelectLanguage(int nIndex) {
    if (!m_pSession->SelectLanguage(nIndex)) return;
    ReadInput();
    std::string strComments = m_strComments;
    m_logic.SelectLanguage(GetLanguageId(), strComments);
    SetComments(strComments);
    Relabel();
}

void CMainDialog::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

bool CMainDialog::eventFilter(QObject* pObject, QEvent* pEvent) {
    // The run keys win over the edit boxes' own use of them (word moves).
    if (pEvent->type() == QEvent::ShortcutOverride && TakesRunKey(*static_cast<QKeyEvent*>(pEvent)))
        return true;
    // Ctrl+Enter in the answer box submits; Enter alone starts a new line.
    if (pObject == m_pAnswer && pEvent->type() == QEvent::KeyPress) {
        const auto* pKey = static_cast<QKeyEvent*>(pEvent);
        if ((pKey->key() == Qt::Key_Return || pKey->key() == Qt::Key_Enter) &&
            (pKey->modifiers() & Qt::ControlModifier)) {
            OnSubmit();
            return true;
        }
    }
    return QMainWindow::eventFilter(pObject, pEvent);
}

void CMainDialog::showEvent(QShowEvent* pEvent) {
    QMainWindow::showEvent(pEvent);
    m_pSession->OnShown(windowTitle());
}

void CMainDialog::closeEvent(QCloseEvent* pEvent) {
    QMainWindow::closeEvent(pEvent);
    if (!pEvent->isAccepted()) return;
    if (!m_bClosing) {
        m_bClosing = true;
        m_logic.Rule().Save(m_app.GetRegistryStore());
        m_pBackground->SaveBackgroundSettings();
    }
    m_pSession->OnClosed();
    emit Closed();
}

void CMainDialog::LoadCollections() {
    LoadCollection(m_favorites, m_app.GetFavoritePath(), true);
    LoadCollection(m_troubles, m_app.GetTroublePath(), false);
}

CollectionMembership CMainDialog::GetMembership() const {
    const QString strKey = QString::fromStdString(m_logic.GetQuestionKey());
    if (strKey.isEmpty()) return {};
    return {IsInCollection(strKey, m_troubles), IsInCollection(strKey, m_favorites)};
}

void CMainDialog::OnOpenCollection(bool bMyFavorite) {
    const CServices& services = m_app.GetServices();
    if (!services.pMessages || !services.pFiles) return;
    const QString strFavoritePath = m_app.GetFavoritePath();
    const QString strTroublePath = m_app.GetTroublePath();
    CCollectionManagerDialog manager(
        bMyFavorite ? m_favorites : m_troubles, bMyFavorite ? strFavoritePath : strTroublePath,
        bMyFavorite, bMyFavorite ? m_troubles : m_favorites,
        bMyFavorite ? strTroublePath : strFavoritePath, services, m_app.GetRegistryStore(), this);
    manager.exec();
    RefreshControls();
}

void CMainDialog::OnQuickSave(bool bMyFavorite) {
    IMessagePresenter* pMessages = m_app.GetServices().pMessages;
    ReadInput();
    const QString strKey = QString::fromStdString(m_logic.GetQuestionKey());
    if (!pMessages || strKey.isEmpty()) return;
    CSaveToCollectionDialog dialog(bMyFavorite ? m_favorites : m_troubles,
                                   bMyFavorite ? m_app.GetFavoritePath() : m_app.GetTroublePath(),
                                   bMyFavorite, strKey, QString(), *pMessages, this);
    dialog.exec();
    RefreshControls();
}

void CMainDialog::changeEvent(QEvent* pEvent) {
    QMainWindow::changeEvent(pEvent);
    // The music rests while the player works in another window.
    if (m_pMusic && pEvent->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            m_pMusic->OnFocusGained();
        else
            m_pMusic->OnFocusLost();
    }
}

void CMainDialog::OnBackground() {
    const CServices& services = m_app.GetServices();
    m_pBackground->RunBackgroundCommand([this, &services] {
        CBackgroundDialog dialog(*m_pBackground, services.pFiles, services.pMessages,
                                 m_app.GetProductName(), this);
        return dialog.exec() == QDialog::Accepted;
    });
    update();
}

void CMainDialog::OnCompleteList() {
    CCompleteListLogic logic(m_app.GetRegistryStore(), m_app.GetServices(), m_app.GetAppFolder(),
                             m_app.GetUserFolder(), GetColumnForLanguage(GetLanguageId()));
    CCompleteListDialog dialog(logic, this);
    dialog.exec();
}

void CMainDialog::StartUpdateCheck() {
    if (m_pUpdate) return;
    m_pUpdate = std::make_unique<CUpdateCheck>(
        MakeUpdateCheckContext(m_app, [this](const UpdateOffer& offer) {
            return CUpdateDownloadDialog::Run(offer, m_app.GetServices(), m_app.GetProductName(),
                                              this);
        }));
    m_pUpdate->CheckForUpdate([this](bool bMustClose) {
        // An installer was started: it replaces this program.
        if (bMustClose) close();
    });
}

void CMainDialog::paintEvent(QPaintEvent* pEvent) {
    QMainWindow::paintEvent(pEvent);
    QPainter painter(this);
    m_pBackgroundPainter->Paint(painter, *m_pBackground, size());
    // The synthesizer loads its sound font when the music starts: after the first paint,
    // so that the window does not wait for it.
    if (m_pMusic && !m_bMusicStarted) {
        m_bMusicStarted = true;
        QTimer::singleShot(0, this, [this] { m_pMusic->ApplyContextMusic(); });
    }
}

void CMainDialog::dragEnterEvent(QDragEnterEvent* pEvent) {
    if (!CFileDrop::GetDroppedPaths(pEvent->mimeData()).isEmpty()) pEvent->acceptProposedAction();
}

void CMainDialog::dropEvent(QDropEvent* pEvent) {
    m_pDrop->HandleDrop(CFileDrop::GetDroppedPaths(pEvent->mimeData()));
    pEvent->acceptProposedAction();
}
