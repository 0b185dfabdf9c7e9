// The congratulations dialog: asks the name for a result that entered a ranking.
#pragma once

#include "play/ranktable.h"

#include <QDialog>

class QLineEdit;

class CRankNameDialog : public QDialog {
    Q_OBJECT
public:
    CRankNameDialog(RankKind kind, const QString& strLastName, QWidget* pParent = nullptr);

    QString GetName() const;

    // The place is earned: closing the dialog any way keeps the name as typed.
    void reject() override { accept(); }

private:
    QLineEdit* m_pName = nullptr;
};
