#include "play/trainingsetupdialog.h"

#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "engine/textlines.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace {

QRadioButton* Radio(std::uint32_t nTextId, const char* szName, QWidget* pParent) {
    auto* pRadio = new QRadioButton(LocalizedText(nTextId), pParent);
    pRadio->setObjectName(QString::fromLatin1(szName));
    return pRadio;
}

QCheckBox* Check(std::uint32_t nTextId, const char* szName, QWidget* pParent) {
    auto* pBox = new QCheckBox(LocalizedText(nTextId), pParent);
    pBox->setObjectName(QString::fromLatin1(szName));
    return pBox;
}

// Radios of one choice exclude each other only within their pair.
void Pair(QRadioButton* pFirst, QRadioButton* pSecond, QObject* pOwner) {
    auto* pGroup = new QButtonGroup(pOwner);
    pGroup->addButton(pFirst);
    pGroup->addButton(pSecond);
}

} // namespace

CTrainingSetupDialog::CTrainingSetupDialog(PlayMode mode, const TrainingPlan& plan,
                                           IMessagePresenter& messages, QWidget* pParent)
    : QDialog(pParent), m_logic(mode, plan), m_messages(messages), m_accepted(plan) {
    setWindowTitle(QString::fromStdString(m_logic.GetCaption(kColumnCurrentLanguage)));
    Build();
    Refresh();
    Connect();
}

void CTrainingSetupDialog::Build() {
    auto* pRules = new QGroupBox(LocalizedText(IDS_DIALOG_CL_SELECT_THE_RULES), this);
    m_pStandard = Radio(IDS_MENU_GAME_STANDARD_RULE_S, "standard", pRules);
    m_pAdvanced = Radio(IDS_MENU_GAME_ADVANCED_RULE_A, "advanced", pRules);
    m_pJQK = Check(IDS_MENU_GAME_ENABLE_JQK_J, "jqk", pRules);
    Pair(m_pStandard, m_pAdvanced, this);
    auto* pRulesLayout = new QVBoxLayout(pRules);
    pRulesLayout->addWidget(m_pStandard);
    pRulesLayout->addWidget(m_pAdvanced);
    pRulesLayout->addWidget(m_pJQK);

    auto* pSet = new QGroupBox(LocalizedText(IDS_DIALOG_TRAINING_SELECT_FONFIGURATION_SET), this);
    m_pFullSet = Radio(IDS_DIALOG_TRAINING_FULL_SET_F, "fullSet", pSet);
    m_pCollections = Radio(IDS_DIALOG_TRAINING_MY_COLLECTION_L, "collections", pSet);
    m_pTroubleMaker = Check(IDS_DIALOG_TRAINING_TROUBLE_MAKER_T, "troubleMaker", pSet);
    m_pMyFavorite = Check(IDS_DIALOG_TRAINING_MY_FAVORITE_M, "myFavorite", pSet);
    m_pHaveSolution = Check(IDS_DIALOG_CL_CONFIGURATIONS_WITH_SOLUTION_C, "haveSolution", pSet);
    m_pNoSolution = Check(IDS_DIALOG_CL_CONFIGURATIONS_WITH_NO_SOLUTION_N, "noSolution", pSet);
    Pair(m_pFullSet, m_pCollections, this);
    auto* pSetLayout = new QGridLayout(pSet);
    pSetLayout->addWidget(m_pFullSet, 0, 0, 1, 2);
    pSetLayout->addWidget(m_pCollections, 1, 0, 1, 2);
    pSetLayout->addWidget(m_pTroubleMaker, 2, 0);
    pSetLayout->addWidget(m_pMyFavorite, 2, 1);
    pSetLayout->addWidget(m_pHaveSolution, 3, 0, 1, 2);
    pSetLayout->addWidget(m_pNoSolution, 4, 0, 1, 2);
    pSetLayout->setColumnMinimumWidth(0, 140);

    auto* pData = new QGroupBox(LocalizedText(IDS_DIALOG_TRAINING_SELECT_DATA), this);
    m_pFullRange = Radio(IDS_DIALOG_TRAINING_FULL_RANGE_R, "fullRange", pData);
    m_pWithin = Radio(IDS_DIALOG_TRAINING_WITHIN_CERTAIN_SELECTION_W, "within", pData);
    m_pStartOn = Check(IDS_DIALOG_TRAINING_START_1, "startOn", pData);
    m_pEndOn = Check(IDS_DIALOG_TRAINING_END_2, "endOn", pData);
    m_pRandom = Radio(IDS_DIALOG_TRAINING_RANDOMLY_3, "random", pData);
    m_pSequential = Radio(IDS_DIALOG_TRAINING_SEQUENTIALLY_4, "sequential", pData);
    m_pAscending = Radio(IDS_DIALOG_TRAINING_ASC_5, "ascending", pData);
    m_pDescending = Radio(IDS_DIALOG_TRAINING_DESC_6, "descending", pData);
    Pair(m_pFullRange, m_pWithin, this);
    Pair(m_pRandom, m_pSequential, this);
    Pair(m_pAscending, m_pDescending, this);
    auto* pDataLayout = new QGridLayout(pData);
    pDataLayout->addWidget(m_pFullRange, 0, 0, 1, 5);
    pDataLayout->addWidget(m_pWithin, 1, 0, 1, 5);
    pDataLayout->addWidget(m_pStartOn, 2, 0);
    pDataLayout->addWidget(m_pEndOn, 3, 0);
    for (int i = 0; i < 8; ++i) {
        m_apLists[i] = new QComboBox(pData);
        m_apLists[i]->setObjectName(QStringLiteral("list%1").arg(i));
        pDataLayout->addWidget(m_apLists[i], 2 + i / 4, 1 + i % 4);
    }
    pDataLayout->addWidget(m_pRandom, 4, 0, 1, 5);
    pDataLayout->addWidget(m_pSequential, 5, 0, 1, 5);
    auto* pOrder = new QHBoxLayout;
    pOrder->addSpacing(24);
    pOrder->addWidget(m_pAscending);
    pOrder->addWidget(m_pDescending);
    pOrder->addStretch();
    pDataLayout->addLayout(pOrder, 6, 0, 1, 5);

    auto* pOther = new QGroupBox(LocalizedText(IDS_DIALOG_TRAINING_OTHER_CONFIGURATIONS), this);
    m_pTimeLimit = Check(IDS_DIALOG_TRAINING_SET_A_TIME_LIMIT_E, "timeLimit", pOther);
    m_pMinutes = new QSpinBox(pOther);
    m_pMinutes->setObjectName(QStringLiteral("minutes"));
    m_pMinutes->setRange(TrainingPlan::kMinMinutes, TrainingPlan::kMaxMinutes);
    m_pCount = new QSpinBox(pOther);
    m_pCount->setObjectName(QStringLiteral("count"));
    m_pCount->setRange(TrainingPlan::kMinQuestions, TrainingPlan::kMaxQuestions);
    m_pDifficulty = new QComboBox(pOther);
    m_pDifficulty->setObjectName(QStringLiteral("difficulty"));
    std::vector<std::string> saLevels;
    GetSAFromMLString(saLevels,
                      LocalizedText(IDS_DIALOG_TRAINING_DIFFICULTY_LEVEL_LIST).toStdString());
    for (const std::string& strLevel : saLevels)
        m_pDifficulty->addItem(QString::fromStdString(strLevel));
    auto* pOtherLayout = new QGridLayout(pOther);
    pOtherLayout->addWidget(m_pTimeLimit, 0, 0);
    pOtherLayout->addWidget(m_pMinutes, 0, 1);
    pOtherLayout->addWidget(new QLabel(LocalizedText(IDS_DIALOG_TRAINING_MINUTES), pOther), 0, 2);
    auto* pCountLabel =
        new QLabel(LocalizedText(IDS_DIALOG_TRAINING_NUMBER_OF_QUESTIONS_Q), pOther);
    pCountLabel->setBuddy(m_pCount);
    pOtherLayout->addWidget(pCountLabel, 1, 0);
    pOtherLayout->addWidget(m_pCount, 1, 1);
    auto* pLevelLabel = new QLabel(LocalizedText(IDS_DIALOG_TRAINING_DIFFICULTY_LEVEL_D), pOther);
    pLevelLabel->setBuddy(m_pDifficulty);
    pOtherLayout->addWidget(pLevelLabel, 2, 0);
    pOtherLayout->addWidget(m_pDifficulty, 2, 1, 1, 2);

    m_pNotes =
        new QPushButton(style()->standardIcon(QStyle::SP_MessageBoxQuestion), QString(), this);
    m_pNotes->setObjectName(QStringLiteral("notes"));
    m_pNotes->setToolTip(LocalizedText(IDS_TIP_HELP));
    m_pOk = new QPushButton(LocalizedText(IDS_DIALOG_OK), this);
    m_pOk->setObjectName(QStringLiteral("ok"));
    m_pOk->setToolTip(LocalizedText(IDS_TIP_START));
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(LocalizedText(IDS_DIALOG_CANCEL), this);
    m_pCancel->setObjectName(QStringLiteral("cancel"));
    m_pCancel->setToolTip(LocalizedText(IDS_TIP_EXIT));

    auto* pLeft = new QVBoxLayout;
    pLeft->addWidget(pRules);
    pLeft->addWidget(pSet);
    auto* pRight = new QVBoxLayout;
    pRight->addWidget(pData);
    pRight->addWidget(pOther);
    auto* pColumns = new QHBoxLayout;
    pColumns->addLayout(pLeft);
    pColumns->addLayout(pRight);
    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(m_pNotes);
    pButtons->addStretch();
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(m_pCancel);
    auto* pMain = new QVBoxLayout(this);
    pMain->addLayout(pColumns);
    pMain->addLayout(pButtons);
}

void CTrainingSetupDialog::Connect() {
    // Every edit goes to the logic, which may change other controls; Refresh shows them.
    const auto onToggle = [this](QAbstractButton* pButton, auto fnSet) {
        connect(pButton, &QAbstractButton::toggled, this, [this, fnSet](bool bOn) {
            if (m_bRefreshing) return;
            fnSet(bOn);
            Refresh();
        });
    };
    CTrainingSetupLogic& logic = m_logic;
    onToggle(m_pStandard, [&logic](bool bOn) { logic.SetStandard(bOn); });
    onToggle(m_pJQK, [&logic](bool bOn) { logic.SetJQK(bOn); });
    onToggle(m_pFullSet, [&logic](bool bOn) { logic.SetFullSet(bOn); });
    onToggle(m_pTroubleMaker, [&logic](bool bOn) { logic.SetTroubleMaker(bOn); });
    onToggle(m_pMyFavorite, [&logic](bool bOn) { logic.SetMyFavorite(bOn); });
    onToggle(m_pHaveSolution, [&logic](bool bOn) { logic.SetHaveSolution(bOn); });
    onToggle(m_pNoSolution, [&logic](bool bOn) { logic.SetNoSolution(bOn); });
    onToggle(m_pFullRange, [&logic](bool bOn) { logic.SetFullRange(bOn); });
    onToggle(m_pStartOn, [&logic](bool bOn) { logic.SetStartOn(bOn); });
    onToggle(m_pEndOn, [&logic](bool bOn) { logic.SetEndOn(bOn); });
    onToggle(m_pRandom, [&logic](bool bOn) { logic.SetRandom(bOn); });
    onToggle(m_pAscending, [&logic](bool bOn) { logic.SetAscending(bOn); });
    onToggle(m_pTimeLimit, [&logic](bool bOn) { logic.SetTimeLimit(bOn); });
    for (int i = 0; i < 8; ++i)
        connect(m_apLists[i], &QComboBox::currentIndexChanged, this, [this, i](int nIndex) {
            if (m_bRefreshing || nIndex < 0) return;
            m_logic.SetListValue(i, m_apLists[i]->itemData(nIndex).toInt());
            Refresh();
        });
    connect(m_pDifficulty, &QComboBox::currentIndexChanged, this, [this](int nIndex) {
        if (!m_bRefreshing) m_logic.SetDifficulty(nIndex + 1);
    });
    connect(m_pCount, &QSpinBox::valueChanged, this, [this](int nValue) {
        if (!m_bRefreshing) m_logic.SetQuestionCount(nValue);
    });
    connect(m_pMinutes, &QSpinBox::valueChanged, this, [this](int nValue) {
        if (!m_bRefreshing) m_logic.SetMinutes(nValue);
    });
    connect(m_pNotes, &QPushButton::clicked, this, &CTrainingSetupDialog::ShowNotes);
    connect(m_pOk, &QPushButton::clicked, this, &CTrainingSetupDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CTrainingSetupDialog::reject);
}

void CTrainingSetupDialog::Refresh() {
    m_bRefreshing = true;
    const TrainingPlan& plan = m_logic.GetControls();
    (plan.m_bStandard ? m_pStandard : m_pAdvanced)->setChecked(true);
    m_pJQK->setChecked(plan.m_bJQK);
    (plan.m_bFullSet ? m_pFullSet : m_pCollections)->setChecked(true);
    m_pTroubleMaker->setChecked(plan.m_bTroubleMaker);
    m_pMyFavorite->setChecked(plan.m_bMyFavorite);
    m_pHaveSolution->setChecked(plan.m_bHaveSolution);
    m_pNoSolution->setChecked(plan.m_bNoSolution);
    (plan.m_bFullRange ? m_pFullRange : m_pWithin)->setChecked(true);
    m_pStartOn->setChecked(plan.m_bStartOn);
    m_pEndOn->setChecked(plan.m_bEndOn);
    const std::array<ListRange, 8> ranges = m_logic.GetListRanges();
    for (size_t i = 0; i < 8; ++i) {
        QComboBox* pList = m_apLists[i];
        const int nValue = i < 4 ? plan.m_naStart[i] : plan.m_naEnd[i - 4];
        pList->clear();
        for (int n = ranges[i].nLow; n <= ranges[i].nHigh; ++n)
            pList->addItem(QString::number(n), n);
        pList->setCurrentIndex(pList->findData(nValue));
    }
    (plan.m_bRandom ? m_pRandom : m_pSequential)->setChecked(true);
    (plan.m_bAscending ? m_pAscending : m_pDescending)->setChecked(true);
    m_pTimeLimit->setChecked(plan.m_bTimeLimit);
    m_pMinutes->setValue(plan.m_nMinutes);
    m_pCount->setValue(plan.m_nQuestionCount);
    m_pDifficulty->setCurrentIndex(plan.m_nDifficulty - 1);

    const SetupEnabling enabling = m_logic.GetEnabling();
    m_pTroubleMaker->setEnabled(enabling.bCollections);
    m_pMyFavorite->setEnabled(enabling.bCollections);
    m_pStartOn->setEnabled(enabling.bBoundBoxes);
    m_pEndOn->setEnabled(enabling.bBoundBoxes);
    for (size_t i = 0; i < 8; ++i)
        m_apLists[i]->setEnabled(i < 4 ? enabling.bStartLists : enabling.bEndLists);
    m_pAscending->setEnabled(enabling.bOrder);
    m_pDescending->setEnabled(enabling.bOrder);
    m_pTimeLimit->setEnabled(enabling.bTimeLimitBox);
    m_pMinutes->setEnabled(enabling.bMinutes);
    m_bRefreshing = false;
}

void CTrainingSetupDialog::ShowNotes() {
    MessageRequest request;
    request.strMessage =
        QString::fromStdString(CTrainingSetupLogic::GetNotesText(kColumnCurrentLanguage));
    request.bHasDetails = true;
    request.strDetails = KV_HELP_UG_IRRELEVANT;
    m_messages.Present(request);
}

void CTrainingSetupDialog::keyPressEvent(QKeyEvent* pEvent) {
    if (pEvent->key() == Qt::Key_F1) {
        ShowNotes();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CTrainingSetupDialog::accept() {
    // Typed counts reach the logic only when the spin box commits them.
    m_pCount->interpretText();
    m_pMinutes->interpretText();
    m_logic.SetQuestionCount(m_pCount->value());
    m_logic.SetMinutes(m_pMinutes->value());
    m_accepted = m_logic.Accept();
    QDialog::accept();
}

bool RunTrainingSetup(PlayMode mode, CRegistryStore& store, IMessagePresenter& messages,
                      QWidget* pParent, TrainingPlan& plan) {
    TrainingPlan loaded;
    loaded.Load(store, mode);
    CTrainingSetupDialog dialog(mode, loaded, messages, pParent);
    const bool bAccepted = dialog.exec() == QDialog::Accepted;
    dialog.GetPlanToSave().Save(store, mode);
    if (bAccepted) plan = dialog.GetPlan();
    return bAccepted;
}
