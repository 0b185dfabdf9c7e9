#include "media/backgroundmusicdialog.h"

#include "core/dialoghelp.h"
#include "core/filechooser.h"
#include "core/filefilter.h"
#include "core/localizedtext.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "media/musicplayer.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kLastFolderKey = QStringLiteral("Music\\File");
const QString kLastFolderName = QStringLiteral("Last Music Directory");

} // namespace

CBackgroundMusicDialog::CBackgroundMusicDialog(CMusicPlayer& player, IFileChooser* pFiles,
                                               CRegistryStore* pRegistry, QWidget* pParent)
    : QDialog(pParent), m_player(player), m_pFiles(pFiles), m_pRegistry(pRegistry),
      m_logic(player.Paths(), player.GetMessages()) {
    SetDialogHelpTopic(this, kHelpTopicMusicDialog);
    setWindowTitle(LocalizedText(IDS_DIALOG_MUSIC_TITLE));

    m_pMusicOn = new QCheckBox(LocalizedText(IDS_DIALOG_MUSIC_ENABLE_BACKGROUND_MUSIC_E), this);
    connect(m_pMusicOn, &QCheckBox::toggled, this, [this] { UpdateControlState(); });

    m_pGroup = new QGroupBox(LocalizedText(IDS_DIALOG_MUSIC_BACKGROUND_MUSIC_LIST), this);
    auto* pGrid = new QGridLayout(m_pGroup);
    for (int n = 0; n < kMusicContextCount; ++n) {
        Row& row = m_apRows[static_cast<size_t>(n)];
        row.pCheck = new QCheckBox(CBackgroundMusicLogic::GetRowLabel(n), m_pGroup);
        row.pPath = new QLineEdit(m_pGroup);
        row.pPath->setMinimumWidth(320);
        row.pBrowse = new QToolButton(m_pGroup);
        row.pBrowse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        row.pBrowse->setToolTip(LocalizedText(IDS_TIP_PATH));
        row.pPreview = new QToolButton(m_pGroup);
        row.pPreview->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        row.pPreview->setToolTip(LocalizedText(IDS_TIP_TRY));
        // Hidden or shown, the preview keeps its place so the rows do not jump.
        QSizePolicy policy = row.pPreview->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        row.pPreview->setSizePolicy(policy);
        pGrid->addWidget(row.pCheck, n, 0);
        pGrid->addWidget(row.pPath, n, 1);
        pGrid->addWidget(row.pBrowse, n, 2);
        pGrid->addWidget(row.pPreview, n, 3);
        connect(row.pCheck, &QCheckBox::toggled, this, [this] { UpdateControlState(); });
        connect(row.pPath, &QLineEdit::textChanged, this, [this] { UpdateControlState(); });
        connect(row.pBrowse, &QToolButton::clicked, this, [this, n] { OnBrowse(n); });
        connect(row.pPreview, &QToolButton::clicked, this, [this, n] { OnPreview(n); });
    }

    m_pReset = new QPushButton(LocalizedText(IDS_DIALOG_BACKGROUND_RESET), this);
    m_pReset->setAutoDefault(false);
    m_pReset->setEnabled(m_logic.CanReset());
    connect(m_pReset, &QPushButton::clicked, this, &CBackgroundMusicDialog::OnReset);
    auto* pButtons = new QDialogButtonBox(this);
    pButtons->addButton(LocalizedText(IDS_DIALOG_OK), QDialogButtonBox::AcceptRole);
    pButtons->addButton(LocalizedText(IDS_DIALOG_CANCEL), QDialogButtonBox::RejectRole);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pBottom = new QHBoxLayout;
    pBottom->addWidget(m_pReset);
    pBottom->addStretch(1);
    pBottom->addWidget(pButtons);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pMusicOn);
    pLayout->addWidget(m_pGroup);
    pLayout->addLayout(pBottom);

    m_logic.Load();
    FillControls();
}

void CBackgroundMusicDialog::FillControls() {
    m_bFilling = true;
    const CMusicSettings& settings = m_logic.WorkingCopy();
    m_pMusicOn->setChecked(settings.m_bMusicOn);
    for (size_t n = 0; n < m_apRows.size(); ++n) {
        m_apRows[n].pCheck->setChecked(settings.m_aSlots[n].m_bEnabled);
        m_apRows[n].pPath->setText(settings.m_aSlots[n].m_strPath);
    }
    m_bFilling = false;
    UpdateControlState();
}

void CBackgroundMusicDialog::ReadControls() {
    CMusicSettings& settings = m_logic.WorkingCopy();
    settings.m_bMusicOn = m_pMusicOn->isChecked();
    for (size_t n = 0; n < m_apRows.size(); ++n) {
        settings.m_aSlots[n].m_bEnabled = m_apRows[n].pCheck->isChecked();
        settings.m_aSlots[n].m_strPath = m_apRows[n].pPath->text();
    }
}

void CBackgroundMusicDialog::UpdateControlState() {
    if (m_bFilling || m_bUpdating) return;
    m_bUpdating = true;
    ReadControls();
    const CMusicDialogState state = CBackgroundMusicLogic::GetControlState(m_logic.WorkingCopy());
    m_pGroup->setEnabled(state.bGroupEnabled);
    for (size_t n = 0; n < m_apRows.size(); ++n) {
        const CMusicRowState& rowState = state.aRows[n];
        Row& row = m_apRows[n];
        row.pCheck->setEnabled(rowState.bCheckEnabled);
        row.pPath->setEnabled(rowState.bPathEnabled);
        row.pBrowse->setEnabled(rowState.bPathEnabled);
        row.pPreview->setVisible(rowState.bPreviewShown);
    }
    m_bUpdating = false;
}

void CBackgroundMusicDialog::OnBrowse(int nRow) {
    if (!m_pFiles) return;
    QLineEdit* pPath = m_apRows[static_cast<size_t>(nRow)].pPath;
    const QString strLast =
        m_pRegistry ? m_pRegistry->ReadText(kLastFolderKey, kLastFolderName, QString()) : QString();
    const QString strStart = CBackgroundMusicLogic::GetBrowseStart(pPath->text(), strLast);
    const QString strChosen =
        m_pFiles->ChooseOpenFile(LocalizedText(IDS_DIALOG_MUSIC_TITLE), strStart,
                                 ToQtFileFilter(LocalizedText(IDS_DIALOG_MUSIC_FILE_TYPE_SOUND)));
    if (strChosen.isEmpty()) return;
    pPath->setText(strChosen);
    if (m_pRegistry)
        m_pRegistry->WriteText(kLastFolderKey, kLastFolderName,
                               CBackgroundMusicLogic::GetFolderToRemember(strChosen));
}

void CBackgroundMusicDialog::OnPreview(int nRow) {
    CBackgroundMusicLogic::Preview(m_apRows[static_cast<size_t>(nRow)].pPath->text(), m_player);
}

void CBackgroundMusicDialog::OnReset() {
    m_logic.Reset();
    FillControls();
}

void CBackgroundMusicDialog::accept() {
    ReadControls();
    // A file that cannot be written keeps the dialog open with the player's choices.
    if (!m_logic.Accept()) return;
    m_player.LoadSettings();
    QDialog::accept();
}
