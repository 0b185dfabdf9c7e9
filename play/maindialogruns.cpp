// The main window's part in the runs: the mode commands, Previous / Next / Done and their keys,
// the clock at the right end of the menu bar, F1's rule note and the music of each run. What a
// run contains and how it ends is the run logic's; this file shows it.
#include "play/maindialog.h"

#include "core/application.h"
#include "core/messagepresenter.h"
#include "media/help.h"
#include "media/musicplayer.h"
#include "play/mainwindowsession.h"
#include "play/runlogic.h"
#include "play/trainingsetupdialog.h"
#include "play/valuebox.h"
#include "play/worldcupflow.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <functional>

namespace {

// The order of the mode commands in menu and toolbar.
constexpr PlayMode kModes[] = {PlayMode::Training, PlayMode::TrainingGame, PlayMode::WorldCup};

} // namespace

void CMainDialog::ConnectRuns() {
    m_pClock = new QLabel(menuBar());
    m_pClock->setObjectName(QStringLiteral("clock"));
    QFont font = m_pClock->font();
    font.setBold(true);
    font.setFamily(QStringLiteral("monospace"));
    font.setStyleHint(QFont::TypeWriter);
    m_pClock->setFont(font);
    m_pClock->setContentsMargins(12, 0, 12, 0);
    m_pClock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    menuBar()->setCornerWidget(m_pClock, Qt::TopRightCorner);
    m_pClock->hide();

    connect(m_pPrevious, &QPushButton::clicked, this, [this] { OnStep(false); });
    connect(m_pNext, &QPushButton::clicked, this, [this] { OnStep(true); });
    connect(m_pDone, &QPushButton::clicked, this, &CMainDialog::OnDone);
    const struct {
        QKeyCombination keys;
        std::function<void()> fnRun;
    } kKeys[] = {
        {Qt::CTRL | Qt::Key_Left, [this] { OnStep(false); }},
        {Qt::CTRL | Qt::Key_Right, [this] { OnStep(true); }},
        {Qt::CTRL | Qt::Key_D, [this] { OnDone(); }},
    };
    for (const auto& key : kKeys) {
        auto* pShortcut = new QShortcut(QKeySequence(key.keys), this);
        connect(pShortcut, &QShortcut::activated, this, key.fnRun);
    }
    // The answer box has the filter already.
    m_pComments->installEventFilter(this);
    for (CValueBox* pBox : m_apValues)
        if (auto* pEdit = pBox->findChild<QLineEdit*>()) pEdit->installEventFilter(this);

    if (!m_pRuns) return;
    for (size_t n = 0; n < m_apModes.size(); ++n)
        if (IsModeAvailable(n))
            connect(m_apModes[n], &QAction::triggered, this,
                    [this, n] { OnModeCommand(kModes[n]); });
    m_pRuns->SetTickHandlers([this](const ClockTick& tick) { OnClockTick(tick); },
                             [this](const RunEnd& end) { FinishPlayRun(end); });
}

bool CMainDialog::IsModeAvailable(size_t nMode) const {
    return m_pRuns && nMode < m_apModes.size();
}

CWorldCupFlow CMainDialog::MakeWorldCupFlow() {
    return CWorldCupFlow(
        m_logic, m_app.GetRegistryStore(), *m_app.GetServices().pMessages,
        [this](int nMode) { return m_app.EnumInstances(nMode); }, this);
}

QAction* CMainDialog::GetModeAction(PlayMode mode) const {
    for (size_t n = 0; n < m_apModes.size(); ++n)
        if (kModes[n] == mode) return m_apModes[n];
    return nullptr;
}

MusicContext CMainDialog::CurrentMusicContext() const {
    const PlayMode mode = m_logic.GetMode();
    return GetMusicContext(mode == PlayMode::Training, mode == PlayMode::TrainingGame,
                           mode == PlayMode::WorldCup, m_logic.Rule().m_bStandard,
                           m_logic.Rule().m_bJQK);
}

void CMainDialog::OnModeCommand(PlayMode mode) {
    if (!m_pRuns) return;
    if (m_logic.GetMode() == mode) {
        AskToExit(m_logic.GetModeExitPrompt(mode));
        return;
    }
    // One run at a time; the other modes' commands are greyed meanwhile.
    if (IsRunMode(m_logic.GetMode())) return;
    if (mode == PlayMode::WorldCup) {
        ReadInput();
        if (MakeWorldCupFlow().Enter()) StartPlayRun(mode, {});
        return;
    }
    TrainingPlan plan;
    if (!RunTrainingSetup(mode, m_app.GetRegistryStore(), *m_app.GetServices().pMessages, this,
                          plan))
        return;
    StartPlayRun(mode, plan);
}

void CMainDialog::StartPlayRun(PlayMode mode, const TrainingPlan& plan) {
    if (!m_pRuns) return;
    ReadInput();
    if (mode == PlayMode::WorldCup)
        m_pRuns->StartWorldCup();
    else
        m_pRuns->StartRun(mode, plan, GetRunCollections());
    ShowRunQuestion();
    if (m_pMusic) m_pMusic->ApplyContextMusic();
}

void CMainDialog::FinishPlayRun(const RunEnd& end) {
    // Nothing ended: the run was over already, or the player kept playing.
    if (!end.bEnded) return;
    SetClockText({});
    ShowInput();
    SetComments({});
    RefreshControls();
    m_apValues[0]->setFocus();
    if (m_pMusic) m_pMusic->ApplyContextMusic();
    if (end.bWorldCupReport) MakeWorldCupFlow().Finish(end);
}

RunCollections CMainDialog::GetRunCollections() const {
    RunCollections collections;
    for (const CollectionItem& item : m_troubles.m_items)
        collections.saTroubleMaker.push_back(item.strQuestion.toStdString());
    for (const CollectionItem& item : m_favorites.m_items)
        collections.saMyFavorite.push_back(item.strQuestion.toStdString());
    return collections;
}

void CMainDialog::ShowInput() {
    const MainInput& input = m_logic.GetInput();
    const bool bWasRefreshing = m_bRefreshing;
    m_bRefreshing = true;
    for (size_t n = 0; n < 4; ++n)
        m_apValues[n]->SetText(QString::fromStdString(input.saValues[n]));
    m_pNoSolution->setChecked(input.bNoSolution);
    m_pAnswer->setPlainText(QString::fromStdString(input.strAnswer));
    m_bRefreshing = bWasRefreshing;
}

void CMainDialog::ShowRunQuestion() {
    ShowInput();
    SetComments(m_pRuns->GetQuestionComments());
    RefreshControls();
    m_pAnswer->setFocus();
    m_pAnswer->moveCursor(QTextCursor::End);
}

void CMainDialog::OnStep(bool bNext) {
    if (!m_pRuns) return;
    const SoundEffect effect = bNext ? m_pRuns->Next() : m_pRuns->Previous();
    if (effect == SoundEffect::None) return;
    ShowRunQuestion();
    if (m_pMusic) m_pMusic->PlayEffect(effect);
}

void CMainDialog::OnDone() {
    if (!m_pRuns || !IsStrictMode(m_logic.GetMode())) return;
    FinishPlayRun(m_pRuns->Done());
}

void CMainDialog::OnHelp() {
    if (m_pRuns && m_pRuns->ShowRuleNote()) return;
    m_pSession->ShowHelp(kHelpTopicContents);
}

void CMainDialog::OnClockTick(const ClockTick& tick) {
    if (m_pMusic && tick.effect != SoundEffect::None) m_pMusic->PlayEffect(tick.effect);
    SetClockText(tick.strClockText);
}

void CMainDialog::SetClockText(const std::string& strText) {
    const QString strClock = QString::fromStdString(strText);
    if (m_pClock->text() == strClock) return;
    m_pClock->setText(strClock);
    if (m_pClock->isHidden() != strClock.isEmpty()) {
        m_pClock->setVisible(!strClock.isEmpty());
        // The menu bar places its corner widget only when told it changed.
        menuBar()->setCornerWidget(m_pClock, Qt::TopRightCorner);
    }
}

bool CMainDialog::TakesRunKey(const QKeyEvent& key) const {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier) return false;
    switch (key.key()) {
    case Qt::Key_Left:
        return !m_pPrevious->isHidden();
    case Qt::Key_Right:
        return !m_pNext->isHidden();
    case Qt::Key_D:
        return !m_pDone->isHidden();
    default:
        return false;
    }
}
