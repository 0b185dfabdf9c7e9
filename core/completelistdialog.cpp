#include "core/completelistdialog.h"

#include "core/completelistlogic.h"
#include "core/dialoghelp.h"
#include "core/localizedtext.h"
#include "core/stringids.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CCompleteListDialog::CCompleteListDialog(CCompleteListLogic& logic, QWidget* pParent)
    : QDialog(pParent), m_logic(logic) {
    SetDialogHelpTopic(this, kHelpTopicCheckSolutions);
    auto* pRules = new QGroupBox(LocalizedText(IDS_DIALOG_CL_SELECT_THE_RULES), this);
    m_pStandard = new QRadioButton(LocalizedText(IDS_MENU_GAME_STANDARD_RULE_S), pRules);
    m_pStandard->setObjectName("standard");
    m_pAdvanced = new QRadioButton(LocalizedText(IDS_MENU_GAME_ADVANCED_RULE_A), pRules);
    m_pAdvanced->setObjectName("advanced");
    m_pJQK = new QCheckBox(LocalizedText(IDS_MENU_GAME_ENABLE_JQK_J), pRules);
    m_pJQK->setObjectName("jqk");
    auto* pRulesLayout = new QVBoxLayout(pRules);
    pRulesLayout->addWidget(m_pStandard);
    pRulesLayout->addWidget(m_pAdvanced);
    pRulesLayout->addWidget(m_pJQK);

    auto* pKinds = new QGroupBox(LocalizedText(IDS_DIALOG_CL_SELECT_CONFIGURATIONS), this);
    m_pHaveSolution =
        new QCheckBox(LocalizedText(IDS_DIALOG_CL_CONFIGURATIONS_WITH_SOLUTION_C), pKinds);
    m_pHaveSolution->setObjectName("haveSolution");
    m_pNoSolution =
        new QCheckBox(LocalizedText(IDS_DIALOG_CL_CONFIGURATIONS_WITH_NO_SOLUTION_N), pKinds);
    m_pNoSolution->setObjectName("noSolution");
    auto* pKindsLayout = new QVBoxLayout(pKinds);
    pKindsLayout->addWidget(m_pHaveSolution);
    pKindsLayout->addWidget(m_pNoSolution);

    m_pProgress = new QProgressBar(this);
    m_pProgress->setObjectName("progress");
    m_pProgress->setRange(0, 1000);
    m_pProgress->setTextVisible(false);
    m_pProgress->hide();

    m_pOk = new QPushButton(LocalizedText(IDS_DIALOG_OK), this);
    m_pOk->setObjectName("ok");
    m_pOk->setToolTip(LocalizedText(IDS_TIP_START));
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(LocalizedText(IDS_DIALOG_CANCEL), this);
    m_pCancel->setObjectName("cancel");
    m_pCancel->setToolTip(LocalizedText(IDS_TIP_EXIT));

    auto* pLayout = new QVBoxLayout(this);
    auto* pGroups = new QHBoxLayout;
    pGroups->addWidget(pRules);
    pGroups->addWidget(pKinds);
    pLayout->addLayout(pGroups);
    pLayout->addWidget(m_pProgress);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(m_pCancel);
    pLayout->addLayout(pButtons);

    m_logic.LoadOptions();
    ShowOptions();

    connect(m_pStandard, &QRadioButton::toggled, this, [this](bool bOn) {
        m_logic.SetStandard(bOn);
        ShowOptions();
    });
    connect(m_pJQK, &QCheckBox::toggled, this, [this](bool bOn) {
        m_logic.SetJQK(bOn);
        ShowOptions();
    });
    connect(m_pHaveSolution, &QCheckBox::toggled, this, [this](bool bOn) {
        m_logic.SetHaveSolution(bOn);
        ShowOptions();
    });
    connect(m_pNoSolution, &QCheckBox::toggled, this, [this](bool bOn) {
        m_logic.SetNoSolution(bOn);
        ShowOptions();
    });
    connect(m_pOk, &QPushButton::clicked, this, &CCompleteListDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CCompleteListDialog::reject);
}

void CCompleteListDialog::ShowOptions() {
    const CompleteListOptions& options = m_logic.GetOptions();
    const QSignalBlocker blockStandard(m_pStandard), blockAdvanced(m_pAdvanced), blockJQK(m_pJQK),
        blockHave(m_pHaveSolution), blockNo(m_pNoSolution);
    m_pStandard->setChecked(options.bStandard);
    m_pAdvanced->setChecked(!options.bStandard);
    m_pJQK->setChecked(options.bJQK);
    m_pHaveSolution->setChecked(options.bHaveSolution);
    m_pNoSolution->setChecked(options.bNoSolution);
    m_pOk->setEnabled(!m_bGenerating && m_logic.CanStart());
    setWindowTitle(m_logic.GetCaption());
}

void CCompleteListDialog::SetGenerating(bool bGenerating) {
    m_bGenerating = bGenerating;
    for (QWidget* pControl :
         {static_cast<QWidget*>(m_pStandard), static_cast<QWidget*>(m_pAdvanced),
          static_cast<QWidget*>(m_pJQK), static_cast<QWidget*>(m_pHaveSolution),
          static_cast<QWidget*>(m_pNoSolution)})
        pControl->setEnabled(!bGenerating);
    m_pOk->setEnabled(!bGenerating && m_logic.CanStart());
    m_pProgress->setValue(0);
    m_pProgress->setVisible(bGenerating);
}

void CCompleteListDialog::accept() {
    if (m_bGenerating || !m_logic.CanStart()) return;
    m_bCancelled = false;
    SetGenerating(true);
    const CompleteListResult result = m_logic.Generate([this](unsigned nDone, unsigned nTotal) {
        m_pProgress->setValue(static_cast<int>(nDone * 1000ull / nTotal));
        QCoreApplication::processEvents();
        return !m_bCancelled;
    });
    SetGenerating(false);
    if (result == CompleteListResult::Cancelled)
        QDialog::reject();
    else
        QDialog::accept();
}

void CCompleteListDialog::reject() {
    // Leaving now would pull the dialog from under the running generation; it sees the
    // flag before its next question and the dialog closes then.
    if (m_bGenerating) {
        m_bCancelled = true;
        return;
    }
    QDialog::reject();
}

void CCompleteListDialog::done(int nResult) {
    m_logic.SaveOptions();
    QDialog::done(nResult);
}
