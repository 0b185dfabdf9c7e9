#include "media/helpviewerdialog.h"

#include "core/desktopopener.h"
#include "media/help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

bool IsPageFile(const QString& strPath) {
    const QString strSuffix = QFileInfo(strPath).suffix().toLower();
    return strSuffix == QLatin1String("htm") || strSuffix == QLatin1String("html") ||
           strSuffix == QLatin1String("txt");
}

} // namespace

CHelpViewerDialog::CHelpViewerDialog(IDesktopOpener* pDesktop, QWidget* pParent)
    : QDialog(pParent), m_pDesktop(pDesktop) {
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    m_pBack = new QToolButton(this);
    m_pBack->setObjectName(QStringLiteral("back"));
    m_pBack->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_pForward = new QToolButton(this);
    m_pForward->setObjectName(QStringLiteral("forward"));
    m_pForward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_pHome = new QToolButton(this);
    m_pHome->setObjectName(QStringLiteral("home"));
    m_pHome->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));

    auto* pTools = new QHBoxLayout;
    pTools->addWidget(m_pBack);
    pTools->addWidget(m_pForward);
    pTools->addWidget(m_pHome);
    pTools->addStretch();

    m_pContents = new QListWidget(this);
    m_pContents->setObjectName(QStringLiteral("contents"));
    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->setObjectName(QStringLiteral("page"));
    // Links are followed here: help pages stay in the viewer, everything else goes out.
    m_pBrowser->setOpenLinks(false);

    auto* pSplitter = new QSplitter(this);
    pSplitter->addWidget(m_pContents);
    pSplitter->addWidget(m_pBrowser);
    pSplitter->setStretchFactor(0, 1);
    pSplitter->setStretchFactor(1, 4);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pTools);
    pLayout->addWidget(pSplitter, 1);

    m_pBack->setEnabled(false);
    m_pForward->setEnabled(false);
    connect(m_pBack, &QToolButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(m_pForward, &QToolButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(m_pHome, &QToolButton::clicked, this, [this] {
        m_pBrowser->setSource(QUrl::fromLocalFile(QDir(m_strHelpFolder).filePath("index.html")));
    });
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, m_pBack, &QToolButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, m_pForward, &QToolButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::anchorClicked, this, &CHelpViewerDialog::OnAnchorClicked);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, &CHelpViewerDialog::OnSourceChanged);
    const auto openItem = [this](QListWidgetItem* pItem) {
        const QUrl target = QUrl::fromLocalFile(pItem->data(Qt::UserRole).toString());
        if (target != m_pBrowser->source()) m_pBrowser->setSource(target);
    };
    connect(m_pContents, &QListWidget::itemActivated, this, openItem);
    connect(m_pContents, &QListWidget::itemClicked, this, openItem);
    new QShortcut(QKeySequence::Back, m_pBrowser, [this] { m_pBrowser->backward(); });
    new QShortcut(QKeySequence::Forward, m_pBrowser, [this] { m_pBrowser->forward(); });
}

void CHelpViewerDialog::ShowPage(const QString& strHelpFolder, const QString& strPage,
                                 const QString& strWindow) {
    const bool bNewFolder = strHelpFolder != m_strHelpFolder;
    const bool bNewWindow = strWindow != m_strWindow || !isVisible();
    m_strHelpFolder = strHelpFolder;
    m_strWindow = strWindow;
    if (bNewFolder) {
        FillContents();
        m_pHome->setToolTip(ReadHelpPageTitle(QDir(m_strHelpFolder).filePath("index.html")));
    }
    m_pContents->setVisible(m_strWindow == kHelpWindowFullScreen);
    m_pBrowser->setSource(QUrl::fromLocalFile(strPage));
    // Another language: the old history belongs to other pages.
    if (bNewFolder) m_pBrowser->clearHistory();
    if (bNewWindow) ApplyWindowSize();
    show();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

void CHelpViewerDialog::ApplyWindowSize() {
    const QScreen* pScreen = screen() ? screen() : QApplication::primaryScreen();
    const QRect available = pScreen ? pScreen->availableGeometry() : QRect(0, 0, 1024, 768);
    QSize size;
    if (m_strWindow == kHelpWindowReleaseNote)
        size = QSize(available.width() * 3 / 5, available.height() * 7 / 10)
                   .boundedTo(QSize(640, 560));
    else
        size = QSize(available.width() * 4 / 5, available.height() * 4 / 5);
    resize(size);
    move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

void CHelpViewerDialog::FillContents() {
    m_pContents->clear();
    QStringList saSeen;
    for (const unsigned nTopic : GetHelpTopicNumbers()) {
        const QString strPath = QDir(m_strHelpFolder).filePath(GetHelpTopicInfo(nTopic).strPage);
        if (saSeen.contains(strPath) || !QFileInfo(strPath).isFile()) continue;
        saSeen.append(strPath);
        QString strTitle = ReadHelpPageTitle(strPath);
        if (strTitle.isEmpty()) strTitle = QFileInfo(strPath).completeBaseName();
        auto* pItem = new QListWidgetItem(strTitle, m_pContents);
        pItem->setData(Qt::UserRole, QDir::cleanPath(strPath));
    }
}

void CHelpViewerDialog::OnSourceChanged(const QUrl& url) {
    QString strTitle = m_pBrowser->documentTitle();
    if (strTitle.isEmpty()) strTitle = QFileInfo(url.toLocalFile()).completeBaseName();
    setWindowTitle(strTitle);
    const QString strPath = QDir::cleanPath(url.toLocalFile());
    for (int n = 0; n < m_pContents->count(); ++n) {
        if (m_pContents->item(n)->data(Qt::UserRole).toString() == strPath) {
            m_pContents->setCurrentRow(n);
            return;
        }
    }
    m_pContents->clearSelection();
}

void CHelpViewerDialog::OnAnchorClicked(const QUrl& url) {
    const QUrl target = m_pBrowser->source().resolved(url);
    if (!target.isLocalFile()) {
        OpenOnDesktop(target.toString());
        return;
    }
    const QString strPath = QDir::cleanPath(target.toLocalFile());
    if (QFileInfo(strPath).isFile()) {
        if (IsPageFile(strPath))
            m_pBrowser->setSource(target);
        else
            OpenOnDesktop(strPath);
        return;
    }
    // A page the help set lacks is still on the web.
    const QString strRelative = QDir(m_strHelpFolder).relativeFilePath(strPath);
    if (!strRelative.startsWith(QLatin1String("..")))
        OpenOnDesktop(GetWebHelpAddress(QFileInfo(m_strHelpFolder).fileName(), strRelative));
}

void CHelpViewerDialog::OpenOnDesktop(const QString& strAddress) {
    if (m_pDesktop) m_pDesktop->Open(strAddress);
}
