#include "media/desktophelpviewer.h"

#include "media/helpviewerdialog.h"

CDesktopHelpViewer::~CDesktopHelpViewer() {
    Close();
}

void CDesktopHelpViewer::ShowPage(const QString& strHelpFolder, const QString& strPage,
                                  const QString& strWindow) {
    // No parent: the viewer stays usable beside a modal box and lives until the owner ends.
    if (!m_pWindow) m_pWindow = new CHelpViewerDialog(m_pDesktop);
    m_pWindow->ShowPage(strHelpFolder, strPage, strWindow);
}

void CDesktopHelpViewer::Close() {
    delete m_pWindow.data();
}

CHelpViewerDialog* CDesktopHelpViewer::GetWindow() const {
    return m_pWindow;
}
