#include "play/rankingdialog.h"

#include "core/dialoghelp.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "play/rulechoicebox.h"
#include "play/worldcuplogic.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CRankingDialog::CRankingDialog(RankKind kind, bool bStandard, bool bJQK,
                               const CRegistryStore& store, QWidget* pParent)
    : QDialog(pParent), m_store(store), m_table(kind, bStandard, bJQK) {
    SetDialogHelpTopic(this, kHelpTopicGames);
    Build();
    (bStandard ? m_pStandard : m_pAdvanced)->setChecked(true);
    m_pJQK->setChecked(bJQK);
    ShowTable();
    connect(m_pStandard, &QRadioButton::toggled, this, &CRankingDialog::ShowTable);
    connect(m_pJQK, &QCheckBox::toggled, this, &CRankingDialog::ShowTable);
}

void CRankingDialog::Build() {
    const RuleChoiceBox rules = BuildRuleChoiceBox(this);
    QGroupBox* pRules = rules.pGroup;
    m_pStandard = rules.pStandard;
    m_pAdvanced = rules.pAdvanced;
    m_pJQK = rules.pJQK;

    auto* pGrid = new QGridLayout;
    pGrid->setHorizontalSpacing(24);
    for (int i = 0; i < CRankTable::kPlaces; ++i)
        for (int c = 0; c < 3; ++c) {
            auto* pLabel = new QLabel(this);
            static const char* const szaColumns[] = {"rank", "name", "value"};
            pLabel->setObjectName(QStringLiteral("%1%2").arg(szaColumns[c]).arg(i + 1));
            pLabel->setTextFormat(Qt::PlainText);
            if (c == 2) pLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            pGrid->addWidget(pLabel, i, c);
            m_apRows[static_cast<size_t>(i)][static_cast<size_t>(c)] = pLabel;
        }
    pGrid->setColumnStretch(1, 1);

    auto* pOk = new QPushButton(LocalizedText(IDS_DIALOG_OK), this);
    pOk->setObjectName(QStringLiteral("ok"));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pOk);

    auto* pMain = new QVBoxLayout(this);
    pMain->addWidget(pRules);
    pMain->addLayout(pGrid);
    pMain->addLayout(pButtons);
}

void CRankingDialog::ShowTable() {
    m_table = CRankTable(m_table.GetKind(), m_pStandard->isChecked(), m_pJQK->isChecked());
    m_table.LoadRankTable(m_store);
    setWindowTitle(QString::fromStdString(GetRankingCaption(m_table, kColumnCurrentLanguage)));
    const std::vector<RankRow> rows = m_table.GetRows(kColumnCurrentLanguage);
    for (size_t i = 0; i < rows.size() && i < m_apRows.size(); ++i) {
        m_apRows[i][0]->setText(QString::fromStdString(rows[i].strLabel));
        m_apRows[i][1]->setText(QString::fromStdString(rows[i].strName));
        m_apRows[i][2]->setText(QString::fromStdString(rows[i].strValue));
    }
}
