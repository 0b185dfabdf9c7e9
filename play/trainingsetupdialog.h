// The training setup dialog: the controls of a training plan, wired to its logic.
#pragma once

#include "play/trainingsetuplogic.h"

#include <QDialog>

#include <array>

class CRegistryStore;
class IMessagePresenter;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

class CTrainingSetupDialog : public QDialog {
    Q_OBJECT
public:
    // plan: the mode's plan as loaded; the notes button shows its message through messages.
    CTrainingSetupDialog(PlayMode mode, const TrainingPlan& plan, IMessagePresenter& messages,
                         QWidget* pParent = nullptr);

    // After OK: the plan to run.
    const TrainingPlan& GetPlan() const { return m_accepted; }
    // What the mode stores when the dialog has closed, accepted or not.
    const TrainingPlan& GetPlanToSave() const { return m_logic.GetPlanToSave(); }

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void Build();
    void Connect();
    // Shows the logic's plan, enabling and list ranges; signals stay quiet meanwhile.
    void Refresh();
    void ShowNotes();

    CTrainingSetupLogic m_logic;
    IMessagePresenter& m_messages;
    TrainingPlan m_accepted;
    bool m_bRefreshing = false;

    QRadioButton* m_pStandard = nullptr;
    QRadioButton* m_pAdvanced = nullptr;
    QCheckBox* m_pJQK = nullptr;
    QRadioButton* m_pFullSet = nullptr;
    QRadioButton* m_pCollections = nullptr;
    QCheckBox* m_pTroubleMaker = nullptr;
    QCheckBox* m_pMyFavorite = nullptr;
    QCheckBox* m_pHaveSolution = nullptr;
    QCheckBox* m_pNoSolution = nullptr;
    QRadioButton* m_pFullRange = nullptr;
    QRadioButton* m_pWithin = nullptr;
    QCheckBox* m_pStartOn = nullptr;
    QCheckBox* m_pEndOn = nullptr;
    std::array<QComboBox*, 8> m_apLists{}; // Start 1..4, End 1..4
    QRadioButton* m_pRandom = nullptr;
    QRadioButton* m_pSequential = nullptr;
    QRadioButton* m_pAscending = nullptr;
    QRadioButton* m_pDescending = nullptr;
    QCheckBox* m_pTimeLimit = nullptr;
    QSpinBox* m_pMinutes = nullptr;
    QSpinBox* m_pCount = nullptr;
    QComboBox* m_pDifficulty = nullptr;
    QPushButton* m_pNotes = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
};

// The Training and Training Game commands' setup: loads the mode's plan from the store, runs
// the dialog modally, stores the plan as the dialog leaves it (accepted or not) and, when
// accepted, hands it back in plan for StartRun. True when accepted.
bool RunTrainingSetup(PlayMode mode, CRegistryStore& store, IMessagePresenter& messages,
                      QWidget* pParent, TrainingPlan& plan);
