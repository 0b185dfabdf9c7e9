// The Tools window that writes the complete list of all solutions: the rule, the kinds of
// question, a progress bar while the page is made, and Cancel that stops it.
#pragma once

#include <QDialog>

class CCompleteListLogic;
class QCheckBox;
class QProgressBar;
class QPushButton;
class QRadioButton;

class CCompleteListDialog : public QDialog {
    Q_OBJECT
public:
    // Reads the stored options into the controls; closing stores them again.
    explicit CCompleteListDialog(CCompleteListLogic& logic, QWidget* pParent = nullptr);

    void accept() override;
    void reject() override;
    void done(int nResult) override;

private:
    void ShowOptions();
    void SetGenerating(bool bGenerating);

    CCompleteListLogic& m_logic;
    bool m_bGenerating = false;
    bool m_bCancelled = false;
    QRadioButton* m_pStandard = nullptr;
    QRadioButton* m_pAdvanced = nullptr;
    QCheckBox* m_pJQK = nullptr;
    QCheckBox* m_pHaveSolution = nullptr;
    QCheckBox* m_pNoSolution = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
};
