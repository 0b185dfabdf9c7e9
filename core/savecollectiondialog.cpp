#include "core/savecollectiondialog.h"

#include "core/dialoghelp.h"
#include "core/filechooser.h"
#include "core/filefilter.h"
#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/pathutils.h"
#include "core/stringids.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSaveCollectionDialog::CSaveCollectionDialog(const CollectionExportOptions& options,
                                             IFileChooser& files, IMessagePresenter& messages,
                                             QWidget* pParent)
    : QDialog(pParent), m_files(files), m_messages(messages), m_strFolder(options.strFolder) {
    SetDialogHelpTopic(this, kHelpTopicCollections);
    m_pTitle = new QLineEdit(options.strTitle, this);
    m_pTitle->setObjectName("title");
    m_pPath = new QLineEdit(options.strPath, this);
    m_pPath->setObjectName("path");
    auto* pBrowse = new QPushButton(QStringLiteral("..."), this);
    pBrowse->setObjectName("browse");
    pBrowse->setToolTip(LocalizedText(IDS_TIP_PATH));

    auto* pContent = new QGroupBox(LocalizedText(IDS_DIALOG_SF_CONTAINING), this);
    auto* pQuestions = new QCheckBox(LocalizedText(IDS_DIALOG_SF_QUESTION_Q), pContent);
    pQuestions->setChecked(true);
    pQuestions->setEnabled(false);
    m_pNotes = new QCheckBox(LocalizedText(IDS_DIALOG_SF_NOTE_N), pContent);
    m_pNotes->setObjectName("withNote");
    m_pNotes->setChecked(options.bNotes);
    m_pAnswers = new QCheckBox(LocalizedText(IDS_DIALOG_SF_ANSWER_A), pContent);
    m_pAnswers->setObjectName("withAnswer");
    m_pAnswers->setChecked(options.bAnswers);
    auto* pContentLayout = new QVBoxLayout(pContent);
    pContentLayout->addWidget(pQuestions);
    pContentLayout->addWidget(m_pNotes);
    pContentLayout->addWidget(m_pAnswers);

    auto* pOk = new QPushButton(LocalizedText(IDS_DIALOG_OK), this);
    pOk->setObjectName("ok");
    pOk->setToolTip(LocalizedText(IDS_DIALOG_OK));
    pOk->setDefault(true);
    auto* pCancel = new QPushButton(LocalizedText(IDS_DIALOG_CANCEL), this);
    pCancel->setObjectName("cancel");
    pCancel->setToolTip(LocalizedText(IDS_TIP_EXIT));

    auto* pTitleLabel = new QLabel(LocalizedText(IDS_DIALOG_SF_TITLE_T), this);
    pTitleLabel->setBuddy(m_pTitle);
    auto* pPathLabel = new QLabel(LocalizedText(IDS_DIALOG_SF_PATH_T), this);
    pPathLabel->setBuddy(m_pPath);
    auto* pGrid = new QGridLayout(this);
    pGrid->addWidget(pTitleLabel, 0, 0);
    pGrid->addWidget(m_pTitle, 0, 1, 1, 2);
    pGrid->addWidget(pPathLabel, 1, 0);
    pGrid->addWidget(m_pPath, 1, 1);
    pGrid->addWidget(pBrowse, 1, 2);
    pGrid->addWidget(pContent, 2, 0, 1, 3);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    pButtons->addWidget(pCancel);
    pGrid->addLayout(pButtons, 3, 0, 1, 3);
    resize(460, 240);

    const auto updateCaption = [this] {
        setWindowTitle(LocalizedText(IDS_DIALOG_SF_CAPTION_HOLDER, m_pTitle->text()));
    };
    connect(m_pTitle, &QLineEdit::textChanged, this, updateCaption);
    updateCaption();
    connect(pBrowse, &QPushButton::clicked, this, &CSaveCollectionDialog::Browse);
    connect(pOk, &QPushButton::clicked, this, &CSaveCollectionDialog::accept);
    connect(pCancel, &QPushButton::clicked, this, &CSaveCollectionDialog::reject);
}

CollectionExportOptions CSaveCollectionDialog::GetOptions() const {
    CollectionExportOptions options;
    options.strTitle = m_pTitle->text();
    options.strFolder = m_strFolder;
    options.strPath = m_pPath->text().trimmed();
    options.bNotes = m_pNotes->isChecked();
    options.bAnswers = m_pAnswers->isChecked();
    return options;
}

void CSaveCollectionDialog::Browse() {
    const QString strChosen = m_files.ChooseSaveFile(
        windowTitle(), m_strFolder, ToQtFileFilter(LocalizedText(IDS_KVT_FILE_TYPE_TEXT_AND_ALL)));
    if (strChosen.isEmpty()) return;
    const QString strPath = WithTextExtension(strChosen);
    m_pPath->setText(strPath);
    m_strFolder = GetFolderPart(strPath);
}

void CSaveCollectionDialog::accept() {
    const QString strPath = m_pPath->text().trimmed();
    if (strPath.isEmpty() || !IsUsablePath(strPath)) {
        m_messages.ShowMessage(LocalizedText(IDS_ERROR_FILE_NOT_A_VALID_WINDOWS_PATH, strPath),
                               QString(), KV_MB_ICONEXCLAMATION);
        m_pPath->setFocus();
        return;
    }
    QDialog::accept();
}
