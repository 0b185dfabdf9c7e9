#include "play/plainmaindialog.h"

#include "core/application.h"
#include "core/collection.h"
#include "core/collectionmanagerdialog.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "media/help.h"
#include "media/hyperlink.h"
#include "play/aboutdialog.h"
#include "play/programicon.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The release notes wait until the window has settled.
constexpr int kReleaseNoteDelayMs = 100;

} // namespace

CPlainMainDialog::CPlainMainDialog(const CServices& services, QWidget* pParent)
    : QMainWindow(pParent), m_services(services) {
    setWindowIcon(GetProgramIcon());

    m_pToolsMenu = menuBar()->addMenu(QString());
    m_pTroubleAction = m_pToolsMenu->addAction(QString());
    m_pFavoriteAction = m_pToolsMenu->addAction(QString());
    for (QAction* pAction : {m_pTroubleAction, m_pFavoriteAction}) {
        const bool bMyFavorite = pAction == m_pFavoriteAction;
        pAction->setEnabled(m_services.pMessages && m_services.pFiles);
        connect(pAction, &QAction::triggered, this,
                [this, bMyFavorite] { OnOpenCollection(bMyFavorite); });
    }
    m_pToolsMenu->addSeparator();
    auto* pLanguages = new QActionGroup(this);
    // Each language names itself in its own script, whatever the current language.
    static const char* const szaLabels[] = {"&English", "&Simplified Chinese (简体中文)",
                                            "&Traditional Chinese (繁體中文)"};
    for (int n = 0; n < 3; ++n) {
        QAction* pAction = m_pToolsMenu->addAction(QString::fromUtf8(szaLabels[n]));
        pAction->setCheckable(true);
        pLanguages->addAction(pAction);
        connect(pAction, &QAction::triggered, this, [this, n] { OnSelectLanguage(n); });
        m_apLanguages[static_cast<size_t>(n)] = pAction;
    }

    m_pHelpMenu = menuBar()->addMenu(QString());
    m_pHelpAction = m_pHelpMenu->addAction(QString());
    m_pHelpAction->setShortcut(QKeySequence(Qt::Key_F1));
    connect(m_pHelpAction, &QAction::triggered, this, [] { ShowHelpTopic(kHelpTopicContents); });
    m_pHelpMenu->addSeparator();
    m_pAboutAction = m_pHelpMenu->addAction(QString());
    connect(m_pAboutAction, &QAction::triggered, this, [this] {
        CAboutDialog about(this);
        about.exec();
    });

    auto* pCentral = new QWidget(this);
    m_pProduct = new QLabel(pCentral);
    m_pProduct->setObjectName(QStringLiteral("product"));
    QFont font = m_pProduct->font();
    font.setPointSizeF(font.pointSizeF() * 2.5);
    font.setBold(true);
    m_pProduct->setFont(font);
    m_pCompany = new QLabel(pCentral);
    m_pCompany->setObjectName(QStringLiteral("company"));
    m_pLink = new CHyperLink(pCentral);
    m_pLink->setObjectName(QStringLiteral("link"));
    auto* pIcon = new QLabel(pCentral);
    pIcon->setPixmap(GetProgramIcon().pixmap(128, 128));
    auto* pLayout = new QVBoxLayout(pCentral);
    pLayout->addStretch(1);
    pLayout->addWidget(pIcon, 0, Qt::AlignHCenter);
    pLayout->addWidget(m_pProduct, 0, Qt::AlignHCenter);
    pLayout->addWidget(m_pCompany, 0, Qt::AlignHCenter);
    pLayout->addSpacing(12);
    pLayout->addWidget(m_pLink, 0, Qt::AlignHCenter);
    pLayout->addStretch(1);
    setCentralWidget(pCentral);
    resize(560, 420);
    if (const QScreen* pScreen = screen()) {
        const QRect available = pScreen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }

    if (CApplication* pApp = CApplication::Get()) {
        pApp->SetMainWindow(this);
        if (CInstanceServer* pServer = pApp->GetInstanceServer()) {
            connect(pServer, &CInstanceServer::RaiseRequested, this,
                    &CPlainMainDialog::BringToFront);
            connect(pServer, &CInstanceServer::CloseRequested, this,
                    &CPlainMainDialog::OnCloseRequest);
            connect(this, &QWidget::windowTitleChanged, pServer,
                    &CInstanceServer::SetPublishedTitle);
        }
    }
    Relabel();
}

CPlainMainDialog::~CPlainMainDialog() {
    if (CApplication* pApp = CApplication::Get()) {
        if (pApp->GetMainWindow() == this) pApp->SetMainWindow(nullptr);
        if (CInstanceServer* pServer = pApp->GetInstanceServer()) pServer->SetPublishedTitle({});
    }
}

QAction* CPlainMainDialog::GetLanguageAction(int nIndex) const {
    return nIndex >= 0 && nIndex < 3 ? m_apLanguages[static_cast<size_t>(nIndex)] : nullptr;
}

void CPlainMainDialog::OnSelectLanguage(int nIndex) {
    if (nIndex < 0 || nIndex >= 3) return;
    if (SelectLanguage(GetLanguageNames()[static_cast<size_t>(nIndex)]) == kLanguageUnknown) return;
    // Relabelled also when the language did not change.
    Relabel();
}

void CPlainMainDialog::Relabel() {
    if (CApplication* pApp = CApplication::Get()) pApp->RefreshNames();
    const QString strProduct = QString::fromStdString(GetProductName());
    m_pToolsMenu->setTitle(LocalizedText(IDS_MENU_TOOLS_T));
    m_pHelpMenu->setTitle(LocalizedText(IDS_MENU_HELP_H));
    m_pHelpAction->setText(LocalizedText(IDS_MENU_HELP_H_F1));
    m_pTroubleAction->setText(LocalizedText(IDS_MENU_TOOLS_TROUBLE_MAKER_T));
    m_pFavoriteAction->setText(LocalizedText(IDS_MENU_TOOLS_MY_FAVORITE_M));
    m_pAboutAction->setText(LocalizedText(IDS_MENU_HELP_ABOUT_A));
    const std::uint32_t nLanguage = GetLanguageId();
    const std::uint32_t naIds[] = {kLanguageEnglish, kLanguageSimplifiedChinese,
                                   kLanguageTraditionalChinese};
    for (size_t n = 0; n < 3; ++n)
        m_apLanguages[n]->setChecked(naIds[n] == nLanguage);
    m_pProduct->setText(strProduct);
    m_pCompany->setText(QString::fromStdString(GetCompanyName()));
    m_pLink->SetAddress(GetMakerHomePage());
    if (windowTitle() != strProduct) setWindowTitle(strProduct);
    update();
}

void CPlainMainDialog::OnOpenCollection(bool bMyFavorite) {
    if (!m_services.pMessages || !m_services.pFiles) return;
    // The files are the lists' only home here: read them fresh each time.
    Collection favorites;
    Collection troubles;
    LoadCollection(favorites, GetCollectionPath(true), true);
    LoadCollection(troubles, GetCollectionPath(false), false);
    Collection& list = bMyFavorite ? favorites : troubles;
    Collection& other = bMyFavorite ? troubles : favorites;
    CCollectionManagerDialog manager(list, GetCollectionPath(bMyFavorite), bMyFavorite, other,
                                     GetCollectionPath(!bMyFavorite), m_services, this);
    manager.exec();
}

void CPlainMainDialog::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void CPlainMainDialog::OnCloseRequest(qint64 nWParam, qint64 nLParam) {
    // Only the exact pair closes the window; anything else is not our request.
    if (nWParam == 1 && nLParam == 2) close();
}

void CPlainMainDialog::showEvent(QShowEvent* pEvent) {
    QMainWindow::showEvent(pEvent);
    CApplication* pApp = CApplication::Get();
    if (!pApp) return;
    if (CInstanceServer* pServer = pApp->GetInstanceServer()) {
        pServer->SetPublishedTitle(windowTitle());
        if (pServer->TakePendingRaise())
            QTimer::singleShot(0, this, &CPlainMainDialog::BringToFront);
    }
    if (!m_bReleaseNoteDone && !pApp->m_strBuildDate.isEmpty()) {
        m_bReleaseNoteDone = true;
        const QString strBuildDate = pApp->m_strBuildDate;
        QTimer::singleShot(kReleaseNoteDelayMs, this,
                           [strBuildDate] { ShowReleaseNoteOnce(strBuildDate); });
    }
}

void CPlainMainDialog::closeEvent(QCloseEvent* pEvent) {
    QMainWindow::closeEvent(pEvent);
    if (!pEvent->isAccepted()) return;
    if (CApplication* pApp = CApplication::Get())
        if (CInstanceServer* pServer = pApp->GetInstanceServer()) pServer->SetPublishedTitle({});
    emit Closed();
}
