#include "core/savetocollectiondialog.h"

#include "core/collectionlogic.h"
#include "core/dialoghelp.h"
#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/stringids.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

CSaveToCollectionDialog::CSaveToCollectionDialog(Collection& target, const QString& strTargetPath,
                                                 bool bTargetMyFavorite, const QString& strQuestion,
                                                 const QString& strNote,
                                                 IMessagePresenter& messages, QWidget* pParent)
    : QDialog(pParent), m_target(target), m_strTargetPath(strTargetPath),
      m_bTargetMyFavorite(bTargetMyFavorite), m_messages(messages) {
    SetDialogHelpTopic(this, kHelpTopicCollections);
    setWindowTitle(LocalizedText(bTargetMyFavorite ? IDS_TIP_SAVE_FAVORITE : IDS_TIP_SAVE_TROUBLE));

    m_pQuestion = new QLineEdit(strQuestion, this);
    m_pQuestion->setObjectName("question");
    m_pNote = new QPlainTextEdit(this);
    m_pNote->setObjectName("note");
    m_pNote->setPlainText(QString(strNote).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    m_pStatus = new QLabel(this);
    m_pStatus->setObjectName("status");
    m_pOk = new QPushButton(LocalizedText(IDS_DIALOG_OK), this);
    m_pOk->setObjectName("ok");
    m_pOk->setToolTip(LocalizedText(IDS_DIALOG_OK));
    m_pOk->setDefault(true);
    auto* pCancel = new QPushButton(LocalizedText(IDS_DIALOG_CANCEL), this);
    pCancel->setObjectName("cancel");
    pCancel->setToolTip(LocalizedText(IDS_TIP_EXIT));

    auto* pQuestionLabel = new QLabel(LocalizedText(IDS_DIALOG_MAIN_QUESTION_Q), this);
    pQuestionLabel->setBuddy(m_pQuestion);
    auto* pNoteLabel = new QLabel(LocalizedText(IDS_DIALOG_FM_NOTE_N), this);
    pNoteLabel->setBuddy(m_pNote);
    auto* pGrid = new QGridLayout(this);
    pGrid->addWidget(pQuestionLabel, 0, 0);
    pGrid->addWidget(m_pQuestion, 0, 1);
    pGrid->addWidget(pNoteLabel, 1, 0, Qt::AlignTop);
    pGrid->addWidget(m_pNote, 1, 1);
    pGrid->addWidget(m_pStatus, 2, 0, 1, 2);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(pCancel);
    pGrid->addLayout(pButtons, 3, 0, 1, 2);
    resize(380, 220);

    connect(m_pQuestion, &QLineEdit::textChanged, this, [this] { Validate(); });
    connect(m_pOk, &QPushButton::clicked, this, &CSaveToCollectionDialog::accept);
    connect(pCancel, &QPushButton::clicked, this, &CSaveToCollectionDialog::reject);
    Validate();
}

bool CSaveToCollectionDialog::Validate() {
    const QuickSaveCheck check = CheckQuickSave(m_pQuestion->text(), m_target, m_bTargetMyFavorite);
    m_pStatus->setText(check.strStatus);
    m_pOk->setEnabled(check.bOk);
    if (!check.bOk) m_pQuestion->setFocus();
    return check.bOk;
}

void CSaveToCollectionDialog::accept() {
    if (!Validate()) {
        const QString strStatus = m_pStatus->text();
        m_messages.ShowMessage(strStatus.isEmpty() ? GetInvalidQuestionMessage() : strStatus,
                               QString(), KV_MB_ICONEXCLAMATION);
        return;
    }
    m_target.m_items.push_back({m_pQuestion->text().trimmed(), m_pNote->toPlainText()});
    SaveCollection(m_target, m_strTargetPath, m_bTargetMyFavorite, &m_messages);
    QDialog::accept();
}
