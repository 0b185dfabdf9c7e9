#include "play/worldcupdialog.h"

#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/stringids.h"
#include "play/commandicons.h"
#include "play/rankingdialog.h"
#include "play/rulechoicebox.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

CWorldCupDialog::CWorldCupDialog(const WorldCupChoice& initial, const CRegistryStore& store,
                                 IMessagePresenter& messages, QWidget* pParent)
    : QDialog(pParent), m_store(store), m_messages(messages) {
    setWindowTitle(LocalizedText(IDS_DIALOG_WC_CAPTION));
    setWindowIcon(GetCommandIcon(CommandIcon::WorldCup));
    Build();
    (initial.bStandard ? m_pStandard : m_pAdvanced)->setChecked(true);
    m_pJQK->setChecked(initial.bJQK);
    ShowLevel();
    connect(m_pStandard, &QRadioButton::toggled, this, &CWorldCupDialog::ShowLevel);
    connect(m_pJQK, &QCheckBox::toggled, this, &CWorldCupDialog::ShowLevel);
}

void CWorldCupDialog::Build() {
    const RuleChoiceBox rules = BuildRuleChoiceBox(this);
    QGroupBox* pRules = rules.pGroup;
    m_pStandard = rules.pStandard;
    m_pAdvanced = rules.pAdvanced;
    m_pJQK = rules.pJQK;
    m_pLevel = new QLabel(pRules);
    m_pLevel->setObjectName(QStringLiteral("level"));
    QFont boldFont = m_pLevel->font();
    boldFont.setBold(true);
    m_pLevel->setFont(boldFont);
    QVBoxLayout* pRulesLayout = rules.pLayout;
    pRulesLayout->addSpacing(6);
    pRulesLayout->addWidget(m_pLevel);

    const auto rankButton = [this](std::uint32_t nTextId, const char* szName, RankKind kind) {
        auto* pButton = new QPushButton(LocalizedText(nTextId), this);
        pButton->setObjectName(QString::fromLatin1(szName));
        pButton->setToolTip(LocalizedText(nTextId));
        connect(pButton, &QPushButton::clicked, this, [this, kind] { ShowRanking(kind); });
        return pButton;
    };
    QPushButton* pAmateurs = rankButton(IDS_DIALOG_WC_A_RANK, "amateurRanking", RankKind::Amateur);
    QPushButton* pProfessionals =
        rankButton(IDS_DIALOG_WC_P_RANK, "professionalRanking", RankKind::Professional);

    auto* pRulesButton = new QPushButton(style()->standardIcon(QStyle::SP_MessageBoxQuestion),
                                         LocalizedText(IDS_TIP_RULES), this);
    pRulesButton->setObjectName(QStringLiteral("rules"));
    pRulesButton->setToolTip(LocalizedText(IDS_TIP_RULES));
    connect(pRulesButton, &QPushButton::clicked, this, [this] {
        m_messages.ShowMessage(
            QString::fromStdString(GetWorldCupRulesText(kColumnCurrentLanguage)));
    });
    auto* pOk = new QPushButton(LocalizedText(IDS_DIALOG_OK), this);
    pOk->setObjectName(QStringLiteral("ok"));
    pOk->setToolTip(LocalizedText(IDS_TIP_START));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* pCancel = new QPushButton(LocalizedText(IDS_DIALOG_CANCEL), this);
    pCancel->setObjectName(QStringLiteral("cancel"));
    pCancel->setToolTip(LocalizedText(IDS_TIP_EXIT));
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(pRulesButton);
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    pButtons->addWidget(pCancel);
    auto* pMain = new QVBoxLayout(this);
    pMain->addWidget(pRules);
    pMain->addWidget(pAmateurs);
    pMain->addWidget(pProfessionals);
    pMain->addSpacing(6);
    pMain->addLayout(pButtons);
}

WorldCupChoice CWorldCupDialog::GetChoice() const {
    WorldCupChoice choice;
    choice.bStandard = m_pStandard->isChecked();
    choice.bJQK = m_pJQK->isChecked();
    return choice;
}

void CWorldCupDialog::ShowLevel() {
    m_pLevel->setText(LocalizedText(IDS_KVT_X_LEVEL, QString::fromStdString(GetWorldCupLevelName(
                                                         GetChoice(), kColumnCurrentLanguage))));
}

void CWorldCupDialog::ShowRanking(RankKind kind) {
    const WorldCupChoice choice = GetChoice();
    CRankingDialog dialog(kind, choice.bStandard, choice.bJQK, m_store, this);
    dialog.exec();
}
