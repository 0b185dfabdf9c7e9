// The World Cup dialog: the rule and J/Q/K of the competition, the two rankings and the
// competition's rules before Go!.
#pragma once

#include "play/worldcuplogic.h"

#include <QDialog>

class CRegistryStore;
class IMessagePresenter;
class QCheckBox;
class QLabel;
class QRadioButton;

class CWorldCupDialog : public QDialog {
    Q_OBJECT
public:
    CWorldCupDialog(const WorldCupChoice& initial, const CRegistryStore& store,
                    IMessagePresenter& messages, QWidget* pParent = nullptr);

    // The rule and J/Q/K the controls show.
    WorldCupChoice GetChoice() const;

private:
    void Build();
    void ShowLevel();
    void ShowRanking(RankKind kind);

    const CRegistryStore& m_store;
    IMessagePresenter& m_messages;
    QRadioButton* m_pStandard = nullptr;
    QRadioButton* m_pAdvanced = nullptr;
    QCheckBox* m_pJQK = nullptr;
    QLabel* m_pLevel = nullptr;
};
