// The window of the download of a new build: address, save-to path, install-after box,
// Download/Stop and the progress area that shows while transferring. The work and every text
// come from CUpdateDownload.
#pragma once

#include "core/services.h"
#include "media/updatedownload.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QWidget;
struct UpdateOffer;

class CUpdateDownloadDialog : public QDialog {
    Q_OBJECT
public:
    // services: network, desktop, clock and file chooser are used.
    CUpdateDownloadDialog(const QString& strAddress, const CServices& services,
                          const QString& strProductName, QWidget* pParent = nullptr);

    CUpdateDownload& Logic() { return m_logic; }
    bool IsInstallationStarted() const { return m_logic.IsInstallationStarted(); }

    // Hides pMainWindow (may be null), runs the dialog modally, shows the window again unless
    // the installer was started; true when it was.
    static bool Run(const UpdateOffer& offer, const CServices& services,
                    const QString& strProductName, QWidget* pMainWindow);

    void reject() override;

private:
    void Browse();
    void OnDownloadClicked();
    void Refresh();
    void UpdateDownloadEnabled();

    CServices m_services;
    CUpdateDownload m_logic;
    bool m_bWasTransferring = false;
    QLineEdit* m_pAddress = nullptr;
    QLineEdit* m_pSavePath = nullptr;
    QPushButton* m_pBrowse = nullptr;
    QCheckBox* m_pInstall = nullptr;
    QPushButton* m_pDownload = nullptr;
    QPushButton* m_pCancel = nullptr;
    QWidget* m_pProgressArea = nullptr;
    QLabel* m_pSpeed = nullptr;
    QLabel* m_pPercent = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QLabel* m_pStatus = nullptr;
    QTimer* m_pHideTimer = nullptr;
};
