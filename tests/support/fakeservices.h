// Stand-ins for the services, for tests: they answer from a script and record what they were
// asked, so a test drives dialogs and logic without a window blocking and without waiting.
#pragma once

#include "core/clock.h"
#include "core/desktopopener.h"
#include "core/filechooser.h"
#include "core/helpviewer.h"
#include "core/messagepresenter.h"
#include "core/networkfetcher.h"
#include "core/services.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <vector>

// Answers each message with the next scripted answer, or with nDefaultResult when the script
// has run out.
class FakeMessagePresenter : public IMessagePresenter {
public:
    MessageAnswer Present(const MessageRequest& request) override;
    void Script(int nResult, bool bChecked = false) { m_answers.push_back({nResult, bChecked}); }

    std::vector<MessageRequest> m_requests;
    std::deque<MessageAnswer> m_answers;
    int m_nDefaultResult = KV_IDOK;
};

// Returns the scripted paths and colour; empty (cancelled) when none is set.
class FakeFileChooser : public IFileChooser {
public:
    QString ChooseOpenFile(const QString& strCaption, const QString& strStartPath,
                           const QString& strFilter) override;
    QString ChooseSaveFile(const QString& strCaption, const QString& strStartPath,
                           const QString& strFilter) override;
    QString ChooseFolder(const QString& strCaption, const QString& strStartFolder) override;
    bool ChooseColor(std::uint32_t nInitial, std::uint32_t& nChosen) override;

    QString m_strOpenAnswer;
    QString m_strSaveAnswer;
    QString m_strFolderAnswer;
    bool m_bColorChosen = false;
    std::uint32_t m_nColorAnswer = 0;
    QStringList m_saStartPaths; // the start path of every request, in order
};

class FakeDesktopOpener : public IDesktopOpener {
public:
    bool Open(const QString& strAddress) override {
        m_saOpened.push_back(strAddress);
        return m_bAccept;
    }
    QStringList m_saOpened;
    bool m_bAccept = true;
};

class FakeHelpViewer : public IHelpViewer {
public:
    void ShowPage(const QString& strHelpFolder, const QString& strPage,
                  const QString& strWindow) override {
        m_saPages.push_back(strPage);
        m_strLastFolder = strHelpFolder;
        m_strLastWindow = strWindow;
    }
    QStringList m_saPages;
    QString m_strLastFolder;
    QString m_strLastWindow;
};

// Time stands still until Advance moves it; timers fire as the time passes them.
class FakeClock : public IClock {
public:
    FakeClock();
    ~FakeClock() override;
    QDateTime Now() const override { return m_now; }
    std::unique_ptr<IClockTimer> StartTimer(int nIntervalMs, std::function<void()> fnTick) override;

    void SetNow(const QDateTime& now) { m_now = now; }
    // Moves time on by nMs, firing every tick that falls due on the way, in time order.
    void Advance(qint64 nMs);
    int RunningTimers() const;

    struct Timer;

private:
    QDateTime m_now;
    qint64 m_nElapsedMs = 0;
    std::vector<Timer*> m_timers;
    friend struct Timer;
};

// Answers each address from a table; unknown addresses fail like an unreachable host.
// Answers are given at once, inside Fetch, unless bDeferred is set (then Deliver() answers).
// FetchLimited fails bodies above its cap; Download writes the body to the file in blocks of
// m_nBlockSize, reporting progress after each.
class FakeNetworkFetcher : public INetworkFetcher {
public:
    void Fetch(const QString& strAddress, std::function<void(const FetchResult&)> fnDone) override;
    void FetchLimited(const QString& strAddress, qint64 nMaxBytes, int nTimeoutMs,
                      std::function<void(const FetchResult&)> fnDone) override;
    std::unique_ptr<IFetchTransfer>
    Download(const QString& strAddress, const QString& strFilePath,
             std::function<void(qint64 nReceived, qint64 nTotal)> fnProgress,
             std::function<void(const FetchResult&)> fnDone) override;
    void Deliver();

    qint64 m_nBlockSize = 512;

    QMap<QString, FetchResult> m_answers;
    QStringList m_saRequested;
    bool m_bDeferred = false;

private:
    std::vector<std::pair<QString, std::function<void(const FetchResult&)>>> m_pending;
};

// All of the above in one bundle; Services() hands them out (the sound player stays empty
// unless a test sets one).
struct FakeServices {
    FakeMessagePresenter messages;
    FakeFileChooser files;
    FakeDesktopOpener desktop;
    FakeHelpViewer help;
    FakeClock clock;
    FakeNetworkFetcher network;
    CServices Services() {
        CServices services;
        services.pMessages = &messages;
        services.pFiles = &files;
        services.pDesktop = &desktop;
        services.pHelp = &help;
        services.pClock = &clock;
        services.pNetwork = &network;
        return services;
    }
};
