// The rule and J/Q/K choice that the World Cup window and the ranking window share.
#pragma once

class QCheckBox;
class QGroupBox;
class QRadioButton;
class QVBoxLayout;
class QWidget;

struct RuleChoiceBox {
    QGroupBox* pGroup = nullptr;
    QVBoxLayout* pLayout = nullptr; // the group's; callers may add below the choice
    QRadioButton* pStandard = nullptr;
    QRadioButton* pAdvanced = nullptr;
    QCheckBox* pJQK = nullptr;
};

// "Select the Rules" with the two rules as exclusive radios and the J/Q/K box, named
// "standard", "advanced" and "jqk".
RuleChoiceBox BuildRuleChoiceBox(QWidget* pParent);
