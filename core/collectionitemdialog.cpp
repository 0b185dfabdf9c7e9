#include "core/collectionitemdialog.h"

#include "core/collectionlogic.h"
#include "core/dialoghelp.h"
#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/stringids.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString ForTextBox(const QString& strText) {
    return QString(strText).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

CCollectionItemDialog::CCollectionItemDialog(const Collection& list, bool bMyFavorite,
                                             int nEditedIndex, const CollectionItem& item,
                                             bool bAdvanced, IMessagePresenter& messages,
                                             QWidget* pParent)
    : QDialog(pParent), m_list(list), m_nEditedIndex(nEditedIndex), m_messages(messages),
      m_item(item) {
    SetDialogHelpTopic(this, kHelpTopicCollections);
    setWindowTitle(LocalizedText(IDS_DIALOG_FMI_CAPTION, GetCollectionTitle(bMyFavorite)));

    m_pQuestion = new QLineEdit(item.strQuestion, this);
    m_pQuestion->setObjectName("question");
    m_pNote = new QPlainTextEdit(ForTextBox(item.strNote), this);
    m_pNote->setObjectName("note");
    m_pSolutions = new QPlainTextEdit(this);
    m_pSolutions->setObjectName("solutions");
    m_pSolutions->setReadOnly(true);
    m_pAdvanced = new QCheckBox(LocalizedText(IDS_DIALOG_FM_ENABLE_POWER_ROOT_E), this);
    m_pAdvanced->setObjectName("powerRoot");
    m_pAdvanced->setChecked(bAdvanced);
    auto* pCheck = new QPushButton(LocalizedText(IDS_TIP_CHECK_SOLUTION), this);
    pCheck->setObjectName("check");
    pCheck->setToolTip(LocalizedText(IDS_TIP_CHECK_SOLUTION));
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
    auto* pSolutionsLabel = new QLabel(LocalizedText(IDS_DIALOG_MAIN_ALL_SOLUTIONS_A), this);
    pSolutionsLabel->setBuddy(m_pSolutions);
    auto* pGrid = new QGridLayout(this);
    pGrid->addWidget(pQuestionLabel, 0, 0);
    pGrid->addWidget(m_pQuestion, 0, 1);
    pGrid->addWidget(pCheck, 0, 2);
    pGrid->addWidget(pNoteLabel, 1, 0, Qt::AlignTop);
    pGrid->addWidget(m_pNote, 1, 1, 1, 2);
    pGrid->addWidget(pSolutionsLabel, 2, 0, Qt::AlignTop);
    pGrid->addWidget(m_pSolutions, 2, 1, 1, 2);
    pGrid->addWidget(m_pAdvanced, 3, 1, 1, 2);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(pCancel);
    pGrid->addLayout(pButtons, 4, 0, 1, 3);
    resize(460, 400);

    connect(m_pQuestion, &QLineEdit::textChanged, this, &CCollectionItemDialog::Recompute);
    connect(m_pAdvanced, &QCheckBox::toggled, this, &CCollectionItemDialog::Recompute);
    connect(pCheck, &QPushButton::clicked, this, &CCollectionItemDialog::Recompute);
    connect(m_pOk, &QPushButton::clicked, this, &CCollectionItemDialog::accept);
    connect(pCancel, &QPushButton::clicked, this, &CCollectionItemDialog::reject);
    Recompute();
}

bool CCollectionItemDialog::IsAdvanced() const {
    return m_pAdvanced->isChecked();
}

void CCollectionItemDialog::Recompute() {
    const ItemCheck check = CheckItemQuestion(m_pQuestion->text(), !m_pAdvanced->isChecked());
    m_pOk->setEnabled(check.bOk);
    m_pSolutions->setPlainText(ForTextBox(check.strSolutions));
    m_pQuestion->setFocus();
}

void CCollectionItemDialog::accept() {
    QString strKey;
    QString strMessage;
    const ItemVerdict verdict =
        AcceptItemQuestion(m_pQuestion->text(), m_list, m_nEditedIndex, strKey, strMessage);
    if (verdict == ItemVerdict::Invalid || verdict == ItemVerdict::Duplicate) {
        m_messages.ShowMessage(strMessage, QString(), KV_MB_ICONEXCLAMATION);
        m_pQuestion->setFocus();
        return;
    }
    if (verdict == ItemVerdict::Reordered)
        m_messages.ShowMessage(strMessage, QString(), KV_MB_ICONINFORMATION);
    m_item = {strKey,
              m_pNote->toPlainText().trimmed().replace(QLatin1Char('\n'), QLatin1String("\r\n"))};
    QDialog::accept();
}
