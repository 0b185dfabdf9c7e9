#include "play/rulechoicebox.h"

#include "core/localizedtext.h"
#include "core/stringids.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

RuleChoiceBox BuildRuleChoiceBox(QWidget* pParent) {
    RuleChoiceBox box;
    box.pGroup = new QGroupBox(LocalizedText(IDS_DIALOG_CL_SELECT_THE_RULES), pParent);
    box.pStandard = new QRadioButton(LocalizedText(IDS_MENU_GAME_STANDARD_RULE_S), box.pGroup);
    box.pStandard->setObjectName(QStringLiteral("standard"));
    box.pAdvanced = new QRadioButton(LocalizedText(IDS_MENU_GAME_ADVANCED_RULE_A), box.pGroup);
    box.pAdvanced->setObjectName(QStringLiteral("advanced"));
    box.pJQK = new QCheckBox(LocalizedText(IDS_MENU_GAME_ENABLE_JQK_J), box.pGroup);
    box.pJQK->setObjectName(QStringLiteral("jqk"));
    auto* pExclusive = new QButtonGroup(box.pGroup);
    pExclusive->addButton(box.pStandard);
    pExclusive->addButton(box.pAdvanced);
    box.pLayout = new QVBoxLayout(box.pGroup);
    box.pLayout->addWidget(box.pStandard);
    box.pLayout->addWidget(box.pAdvanced);
    box.pLayout->addWidget(box.pJQK);
    return box;
}
