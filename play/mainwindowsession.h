// What a main window owes the rest of the program, apart from its widgets: it is the
// application's main window while it exists, answers the other running copies (raise,
// close, its published title), shows the release notes once per build and switches the
// interface language. Any main window creates one and wires its widgets to it.
#pragma once

#include "media/help.h"

#include <QObject>
#include <QString>

#include <memory>

class CApplication;
class IClockTimer;

class CMainWindowSession : public QObject {
    Q_OBJECT
public:
    // pWindow becomes the application's main window until the session ends.
    CMainWindowSession(CApplication& app, QObject* pWindow);
    ~CMainWindowSession() override;
    CMainWindowSession(const CMainWindowSession&) = delete;
    CMainWindowSession& operator=(const CMainWindowSession&) = delete;

    // The window's title, as other copies read it (a World Cup title keeps them from starting).
    void PublishTitle(const QString& strTitle);
    // The window is on screen: its title is published, a raise that came before it is
    // applied, and the release notes follow after a short delay, once per session.
    void OnShown(const QString& strTitle);
    // The window has closed: other copies see no title any more.
    void OnClosed();

    // Switches to the language at nIndex of the Tools menu (0 English, 1 Simplified and
    // 2 Traditional Chinese) and stores it. True when the window is to be relabelled, which
    // it is for the current language too.
    bool SelectLanguage(int nIndex);
    // The Tools-menu index of the current language.
    static int GetLanguageIndex();

    void ShowHelp(unsigned nTopic) const;
    HelpContext GetHelpContext() const;

    static constexpr int kReleaseNoteDelayMs = 100;

signals:
    // Another copy's start asks for the window at the front.
    void RaiseRequested();
    // Close as if the player had: another copy's close request.
    void CloseRequested();
    // The start-up notices are done (the release notes shown when due): time for the
    // update check.
    void StartupDone();

private:
    void OnReleaseNoteDue();

    CApplication& m_app;
    QObject* m_pWindow;
    bool m_bReleaseNoteDone = false;
    std::unique_ptr<IClockTimer> m_pReleaseNoteTimer;
};
