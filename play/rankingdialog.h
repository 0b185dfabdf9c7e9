// The ranking dialog: one rank table, with a rule and J/Q/K switch that shows the table of the
// same kind for another level.
#pragma once

#include "play/ranktable.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QRadioButton;

class CRankingDialog : public QDialog {
    Q_OBJECT
public:
    CRankingDialog(RankKind kind, bool bStandard, bool bJQK, const CRegistryStore& store,
                   QWidget* pParent = nullptr);

    const CRankTable& GetTable() const { return m_table; }

private:
    void Build();
    // Loads the table of the level the controls show and fills the rows and the caption.
    void ShowTable();

    const CRegistryStore& m_store;
    CRankTable m_table;
    QRadioButton* m_pStandard = nullptr;
    QRadioButton* m_pAdvanced = nullptr;
    QCheckBox* m_pJQK = nullptr;
    std::array<std::array<QLabel*, 3>, CRankTable::kPlaces> m_apRows{};
};
