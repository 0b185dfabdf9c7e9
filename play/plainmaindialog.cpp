#include "play/plainmaindialog.h"

#include "core/application.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "media/help.h"
#include "media/hyperlink.h"
#include "play/aboutdialog.h"
#include "play/mainwindowsession.h"
#include "play/programicon.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

CPlainMainDialog::CPlainMainDialog(CApplication& app, QWidget* pParent)
    : QMainWindow(pParent), m_app(app) {
    setWindowIcon(GetProgramIcon());
    m_pSession = new CMainWindowSession(m_app, this);
    connect(m_pSession, &CMainWindowSession::RaiseRequested, this, &CPlainMainDialog::BringToFront);
    connect(m_pSession, &CMainWindowSession::CloseRequested, this, &QWidget::close);
    connect(this, &QWidget::windowTitleChanged, m_pSession, &CMainWindowSession::PublishTitle);

    BuildToolsMenu();
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
    m_pLink->SetAddress(GetMakerHomePage());
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

void CPlainMainDialog::closeEvent(QCloseEvent* pEvent) {
    QMainWindow::closeEvent(pEvent);
    if (!pEvent->isAccepted()) return;
    m_pSession->OnClosed();
    emit Closed();
}
