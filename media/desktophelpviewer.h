// The help viewer of the desktop: one viewer window for the whole program, created on first
// use and closed with the owner.
#pragma once

#include "core/helpviewer.h"

#include <QPointer>

class CHelpViewerDialog;
class IDesktopOpener;

class CDesktopHelpViewer : public IHelpViewer {
public:
    explicit CDesktopHelpViewer(IDesktopOpener* pDesktop) : m_pDesktop(pDesktop) {}
    ~CDesktopHelpViewer() override;
    CDesktopHelpViewer(const CDesktopHelpViewer&) = delete;
    CDesktopHelpViewer& operator=(const CDesktopHelpViewer&) = delete;

    void ShowPage(const QString& strHelpFolder, const QString& strPage,
                  const QString& strWindow) override;

    // The viewer window, or null while none is open.
    CHelpViewerDialog* GetWindow() const;
    void Close();

private:
    IDesktopOpener* m_pDesktop;
    QPointer<CHelpViewerDialog> m_pWindow;
};
