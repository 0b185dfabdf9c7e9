// Quick save of one question into a list: question and note, a status line that says why OK
// is not yet possible, and the save into the list's file on OK.
#pragma once

#include "core/collection.h"

#include <QDialog>

class IMessagePresenter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class CSaveToCollectionDialog : public QDialog {
    Q_OBJECT
public:
    CSaveToCollectionDialog(Collection& target, const QString& strTargetPath,
                            bool bTargetMyFavorite, const QString& strQuestion,
                            const QString& strNote, IMessagePresenter& messages,
                            QWidget* pParent = nullptr);

    void accept() override;

private:
    bool Validate();

    Collection& m_target;
    QString m_strTargetPath;
    bool m_bTargetMyFavorite;
    IMessagePresenter& m_messages;
    QLineEdit* m_pQuestion = nullptr;
    QPlainTextEdit* m_pNote = nullptr;
    QLabel* m_pStatus = nullptr;
    QPushButton* m_pOk = nullptr;
};
