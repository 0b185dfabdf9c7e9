#include "play/plainmaindialog.h"

#include "core/application.h"
#include "core/collection.h"
#include "core/collectionmanagerdialog.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "media/backgroundmusicdialog.h"
#include "media/help.h"
#include "media/hyperlink.h"
#include "media/musicplayer.h"
#include "play/aboutdialog.h"
#include "play/mainwindowsession.h"
#include "play/programicon.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

CPlainMainDialog::CPlainMainDialog(CApplication& app, QWidget* pParent, CMusicPlayer* pMusic)
    : QMainWindow(pParent), m_app(app), m_pMusic(pMusic) {
    setWindowIcon(GetProgramIcon());
    m_pSession = new CMainWindowSession(m_app, this);
    connect(m_pSession, &CMainWindowSession::RaiseRequested, this, &CPlainMainDialog::BringToFront);
    connect(m_pSession, &CMainWindowSession::CloseRequested, this, &QWidget::close);
    connect(this, &QWidget::windowTitleChanged, m_pSession, &CMainWindowSession::PublishTitle);

    BuildToolsMenu();
    if (m_pMusic) BuildMusicMenu();
    BuildHelpMenu();

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
    Relabel();
    if (m_pMusic) m_pMusic->ApplyContextMusic();
}

// The session goes first: it must not hear the title change of a window being destroyed.
CPlainMainDialog::~CPlainMainDialog() {
    delete m_pSession;
}

QMenu* CPlainMainDialog::AddMenu(std::uint32_t nTextId) {
    QMenu* pMenu = menuBar()->addMenu(QString());
    m_labelled.push_back({pMenu, nullptr, nTextId});
    return pMenu;
}

QAction* CPlainMainDialog::AddCommand(QMenu* pMenu, std::uint32_t nTextId) {
    QAction* pAction = pMenu->addAction(QString());
    m_labelled.push_back({nullptr, pAction, nTextId});
    return pAction;
}

void CPlainMainDialog::BuildToolsMenu() {
    QMenu* pTools = AddMenu(IDS_MENU_TOOLS_T);
    m_pTroubleAction = AddCommand(pTools, IDS_MENU_TOOLS_TROUBLE_MAKER_T);
    m_pFavoriteAction = AddCommand(pTools, IDS_MENU_TOOLS_MY_FAVORITE_M);
    for (QAction* pAction : {m_pTroubleAction, m_pFavoriteAction}) {
        const bool bMyFavorite = pAction == m_pFavoriteAction;
        connect(pAction, &QAction::triggered, this,
                [this, bMyFavorite] { OnOpenCollection(bMyFavorite); });
    }
    pTools->addSeparator();
    auto* pLanguages = new QActionGroup(this);
    // Each language names itself in its own script, whatever the current language.
    static const char* const szaLabels[] = {"&English", "&Simplified Chinese (简体中文)",
                                            "&Traditional Chinese (繁體中文)"};
    for (int n = 0; n < 3; ++n) {
        QAction* pAction = pTools->addAction(QString::fromUtf8(szaLabels[n]));
        pAction->setCheckable(true);
        pLanguages->addAction(pAction);
        connect(pAction, &QAction::triggered, this, [this, n] { OnSelectLanguage(n); });
        m_apLanguages[static_cast<size_t>(n)] = pAction;
    }
}

void CPlainMainDialog::BuildHelpMenu() {
    QMenu* pHelp = AddMenu(IDS_MENU_HELP_H);
    m_pHelpAction = AddCommand(pHelp, IDS_MENU_HELP_H_F1);
    m_pHelpAction->setShortcut(QKeySequence(Qt::Key_F1));
    connect(m_pHelpAction, &QAction::triggered, this,
            [this] { m_pSession->ShowHelp(kHelpTopicContents); });
    pHelp->addSeparator();
    m_pAboutAction = AddCommand(pHelp, IDS_MENU_HELP_ABOUT_A);
    connect(m_pAboutAction, &QAction::triggered, this, [this] {
        CAboutDialog about(this);
        about.exec();
    });
}

void CPlainMainDialog::BuildMusicMenu() {
    QMenu* pMusic = AddMenu(IDS_MENU_MUSIC_M);
    m_pMusicOnAction = AddCommand(pMusic, IDS_MENU_MUSIC_ON_O);
    m_pMusicOnAction->setCheckable(true);
    m_pMusicOnAction->setChecked(m_pMusic->Settings().m_bMusicOn);
    connect(m_pMusicOnAction, &QAction::triggered, this, [this] {
        m_pMusic->ToggleMusic();
        m_pMusicOnAction->setChecked(m_pMusic->Settings().m_bMusicOn);
    });
    m_pBackgroundMusicAction = AddCommand(pMusic, IDS_MENU_MUSIC_BACKGROUND_MUSIC_B);
    connect(m_pBackgroundMusicAction, &QAction::triggered, this, [this] {
        m_pMusic->RunBackgroundMusicCommand([this] {
            CBackgroundMusicDialog dialog(*m_pMusic, m_app.GetServices().pFiles,
                                          &m_app.GetRegistryStore(), this);
            dialog.exec();
        });
        m_pMusicOnAction->setChecked(m_pMusic->Settings().m_bMusicOn);
    });
}

void CPlainMainDialog::OnOpenCollection(bool bMyFavorite) {
    const CServices& services = m_app.GetServices();
    if (!services.pMessages || !services.pFiles) return;
    // The files are the lists' only home here: read them fresh each time.
    const QString strFavoritePath = m_app.GetFavoritePath();
    const QString strTroublePath = m_app.GetTroublePath();
    Collection favorites;
    Collection troubles;
    LoadCollection(favorites, strFavoritePath, true);
    LoadCollection(troubles, strTroublePath, false);
    CCollectionManagerDialog manager(
        bMyFavorite ? favorites : troubles, bMyFavorite ? strFavoritePath : strTroublePath,
        bMyFavorite, bMyFavorite ? troubles : favorites,
        bMyFavorite ? strTroublePath : strFavoritePath, services, m_app.GetRegistryStore(), this);
    manager.exec();
}

QAction* CPlainMainDialog::GetLanguageAction(int nIndex) const {
    return nIndex >= 0 && nIndex < 3 ? m_apLanguages[static_cast<size_t>(nIndex)] : nullptr;
}

void CPlainMainDialog::OnSelectLanguage(int nIndex) {
    if (m_pSession->SelectLanguage(nIndex)) Relabel();
}

void CPlainMainDialog::Relabel() {
    for (const Labelled& item : m_labelled) {
        if (item.pMenu) item.pMenu->setTitle(LocalizedText(item.nTextId));
        if (item.pAction) item.pAction->setText(LocalizedText(item.nTextId));
    }
    const int nLanguage = CMainWindowSession::GetLanguageIndex();
    for (int n = 0; n < 3; ++n)
        m_apLanguages[static_cast<size_t>(n)]->setChecked(n == nLanguage);
    const QString strProduct = m_app.GetProductName();
    m_pProduct->setText(strProduct);
    m_pCompany->setText(m_app.GetCompanyName());
    const QString strHomePage = GetMakerHomePage();
    m_pLink->SetAddress(strHomePage);
    m_pLink->setVisible(!strHomePage.isEmpty());
    if (windowTitle() != strProduct) setWindowTitle(strProduct);
    update();
}

void CPlainMainDialog::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void CPlainMainDialog::showEvent(QShowEvent* pEvent) {
    QMainWindow::showEvent(pEvent);
    m_pSession->OnShown(windowTitle());
}

void CPlainMainDialog::changeEvent(QEvent* pEvent) {
    QMainWindow::changeEvent(pEvent);
    // The music rests while the player works in another window.
    if (m_pMusic && pEvent->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            m_pMusic->OnFocusGained();
        else
            m_pMusic->OnFocusLost();
    }
}

void CPlainMainDialog::closeEvent(QCloseEvent* pEvent) {
    QMainWindow::closeEvent(pEvent);
    if (!pEvent->isAccepted()) return;
    m_pSession->OnClosed();
    emit Closed();
}
