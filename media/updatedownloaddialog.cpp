#include "media/updatedownloaddialog.h"

#include "core/clock.h"
#include "core/desktopopener.h"
#include "core/dialoghelp.h"
#include "core/filechooser.h"
#include "core/filefilter.h"
#include "core/localizedtext.h"
#include "core/networkfetcher.h"
#include "core/stringids.h"
#include "media/updatecheck.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace {
void SetTextIfChanged(QLabel* pLabel, const QString& strText) {
    if (pLabel->text() != strText) pLabel->setText(strText);
}
} // namespace

CUpdateDownloadDialog::CUpdateDownloadDialog(const QString& strAddress, const CServices& services,
                                             const QString& strProductName, QWidget* pParent)
    : QDialog(pParent), m_services(services),
      m_logic(strAddress, *services.pNetwork, *services.pDesktop, *services.pClock) {
    SetDialogHelpTopic(this, kHelpTopicDownload);
    setWindowTitle(LocalizedText(IDS_DIALOG_LVUD_CAPTION, strProductName));

    m_pAddress = new QLineEdit(strAddress, this);
    m_pAddress->setObjectName("address");
    m_pAddress->setReadOnly(true);
    m_pSavePath = new QLineEdit(m_logic.DefaultSavePath(), this);
    m_pSavePath->setObjectName("savePath");
    m_pBrowse = new QPushButton(QStringLiteral("..."), this);
    m_pBrowse->setObjectName("browse");
    m_pBrowse->setToolTip(LocalizedText(IDS_TIP_PATH));
    m_pInstall = new QCheckBox(LocalizedText(IDS_DIALOG_LVUD_INSTALL_AFTER_DOWNLOAD_I), this);
    m_pInstall->setObjectName("install");
    m_pInstall->setChecked(true);
    m_pDownload = new QPushButton(this);
    m_pDownload->setObjectName("download");
    m_pDownload->setDefault(true);
    m_pCancel = new QPushButton(LocalizedText(IDS_DIALOG_CANCEL), this);
    m_pCancel->setObjectName("cancel");

    m_pProgressArea = new QWidget(this);
    m_pSpeed = new QLabel(m_pProgressArea);
    m_pSpeed->setObjectName("speed");
    m_pPercent = new QLabel(m_pProgressArea);
    m_pPercent->setObjectName("percent");
    m_pPercent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pProgress = new QProgressBar(m_pProgressArea);
    m_pProgress->setObjectName("progress");
    m_pProgress->setTextVisible(false);
    m_pStatus = new QLabel(m_pProgressArea);
    m_pStatus->setObjectName("status");
    auto* pProgressLayout = new QGridLayout(m_pProgressArea);
    pProgressLayout->setContentsMargins(0, 0, 0, 0);
    pProgressLayout->addWidget(m_pSpeed, 0, 0);
    pProgressLayout->addWidget(m_pPercent, 0, 1);
    pProgressLayout->addWidget(m_pProgress, 1, 0, 1, 2);
    pProgressLayout->addWidget(m_pStatus, 2, 0, 1, 2);
    m_pProgressArea->hide();

    auto* pAddressLabel = new QLabel(LocalizedText(IDS_DIALOG_LVUD_URL_U, strProductName), this);
    pAddressLabel->setBuddy(m_pAddress);
    auto* pSaveLabel = new QLabel(LocalizedText(IDS_DIALOG_LVUD_SAVE_TO_S), this);
    pSaveLabel->setBuddy(m_pSavePath);
    auto* pGrid = new QGridLayout;
    pGrid->addWidget(pAddressLabel, 0, 0, 1, 2);
    pGrid->addWidget(m_pAddress, 1, 0, 1, 2);
    pGrid->addWidget(pSaveLabel, 2, 0, 1, 2);
    pGrid->addWidget(m_pSavePath, 3, 0);
    pGrid->addWidget(m_pBrowse, 3, 1);
    pGrid->addWidget(m_pInstall, 4, 0, 1, 2);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(m_pDownload);
    pButtons->addWidget(m_pCancel);
    auto* pMain = new QVBoxLayout(this);
    pMain->addLayout(pGrid);
    pMain->addLayout(pButtons);
    pMain->addWidget(m_pProgressArea);
    // The window follows its content: it grows with the progress area and shrinks back.
    pMain->setSizeConstraint(QLayout::SetFixedSize);
    m_pAddress->setMinimumWidth(420);

    m_pHideTimer = new QTimer(this);
    m_pHideTimer->setSingleShot(true);
    m_pHideTimer->setInterval(1000);
    connect(m_pHideTimer, &QTimer::timeout, this, [this] {
        if (!m_logic.IsTransferring()) m_pProgressArea->hide();
    });

    m_logic.fnChanged = [this] { Refresh(); };
    connect(m_pSavePath, &QLineEdit::textEdited, this,
            &CUpdateDownloadDialog::UpdateDownloadEnabled);
    connect(m_pBrowse, &QPushButton::clicked, this, &CUpdateDownloadDialog::Browse);
    connect(m_pDownload, &QPushButton::clicked, this, &CUpdateDownloadDialog::OnDownloadClicked);
    connect(m_pCancel, &QPushButton::clicked, this, &CUpdateDownloadDialog::reject);
    Refresh();
}

bool CUpdateDownloadDialog::Run(const UpdateOffer& offer, const CServices& services,
                                const QString& strProductName, QWidget* pMainWindow) {
    if (pMainWindow) pMainWindow->hide();
    CUpdateDownloadDialog dialog(offer.strInstallerUrl, services, strProductName, pMainWindow);
    dialog.exec();
    const bool bStarted = dialog.IsInstallationStarted();
    if (pMainWindow && !bStarted) pMainWindow->show();
    return bStarted;
}

void CUpdateDownloadDialog::reject() {
    // No closing while a transfer writes: Stop comes first.
    if (m_logic.IsTransferring()) return;
    QDialog::reject();
}

void CUpdateDownloadDialog::Browse() {
    const QString strChosen = m_services.pFiles->ChooseSaveFile(
        windowTitle(), m_pSavePath->text(),
        ToQtFileFilter(LocalizedText(IDS_DIALOG_LVUD_FILE_TYPE_PROGRAM_AND_ALL)));
    if (strChosen.isEmpty()) return;
    m_pSavePath->setText(m_logic.TakeChosenPath(strChosen));
    UpdateDownloadEnabled();
}

void CUpdateDownloadDialog::OnDownloadClicked() {
    if (m_logic.IsTransferring()) {
        m_logic.Stop();
        return;
    }
    m_pHideTimer->stop();
    m_pProgressArea->show();
    m_logic.Start(m_pSavePath->text().trimmed(), m_pInstall->isChecked());
}

void CUpdateDownloadDialog::Refresh() {
    const bool bTransferring = m_logic.IsTransferring();
    m_pDownload->setText(
        LocalizedText(bTransferring ? IDS_DIALOG_LVUD_STOP_T : IDS_DIALOG_LVUD_DOWNLOAD_D));
    m_pDownload->setToolTip(LocalizedText(bTransferring ? IDS_DIALOG_LVUD_TIP_STOP_DOWNLOADING
                                                        : IDS_DIALOG_LVUD_TIP_DOWNLOAD_NOW));
    m_pSavePath->setReadOnly(bTransferring);
    m_pBrowse->setEnabled(!bTransferring);
    m_pInstall->setEnabled(!bTransferring);
    m_pCancel->setEnabled(!bTransferring);
    SetTextIfChanged(m_pSpeed, m_logic.GetSpeedText());
    SetTextIfChanged(m_pPercent, m_logic.GetPercentText());
    SetTextIfChanged(m_pStatus, m_logic.GetStatusText());
    // A maximum of 0 makes the bar a busy indicator while the size is unknown.
    const qint64 nMax = m_logic.GetProgressMax();
    const int nScale = nMax > INT_MAX ? static_cast<int>(nMax / INT_MAX + 1) : 1;
    m_pProgress->setRange(0, static_cast<int>(nMax / nScale));
    if (nMax > 0)
        m_pProgress->setValue(
            static_cast<int>(std::min(m_logic.GetProgressValue(), nMax) / nScale));
    if (bTransferring) {
        m_pProgressArea->show();
    } else {
        if (m_bWasTransferring) m_pHideTimer->start();
        UpdateDownloadEnabled();
    }
    m_bWasTransferring = bTransferring;
    if (!bTransferring && m_logic.IsInstallationStarted())
        QTimer::singleShot(0, this, [this] { accept(); });
}

void CUpdateDownloadDialog::UpdateDownloadEnabled() {
    if (m_logic.IsTransferring()) {
        m_pDownload->setEnabled(true);
        return;
    }
    m_pDownload->setEnabled(m_logic.CanDownload(m_pSavePath->text().trimmed()));
}
