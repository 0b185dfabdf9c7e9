#include "tests/support/fakeservices.h"

#include <QFile>

#include <algorithm>

MessageAnswer FakeMessagePresenter::Present(const MessageRequest& request) {
    m_requests.push_back(request);
    if (m_answers.empty()) return {m_nDefaultResult, request.bCheck};
    const MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QString FakeFileChooser::ChooseOpenFile(const QString&, const QString& strStartPath,
                                        const QString&) {
    m_saStartPaths.push_back(strStartPath);
    return m_strOpenAnswer;
}

QString FakeFileChooser::ChooseSaveFile(const QString&, const QString& strStartPath,
                                        const QString&) {
    m_saStartPaths.push_back(strStartPath);
    return m_strSaveAnswer;
}

QString FakeFileChooser::ChooseFolder(const QString&, const QString& strStartFolder) {
    m_saStartPaths.push_back(strStartFolder);
    return m_strFolderAnswer;
}

bool FakeFileChooser::ChooseColor(std::uint32_t, std::uint32_t& nChosen) {
    if (m_bColorChosen) nChosen = m_nColorAnswer;
    return m_bColorChosen;
}

struct FakeClock::Timer : IClockTimer {
    Timer(FakeClock* pClock, int nIntervalMs, std::function<void()> fnTick)
        : m_pClock(pClock), m_nIntervalMs(std::max(1, nIntervalMs)),
          m_nDueMs(pClock->m_nElapsedMs + m_nIntervalMs), m_fnTick(std::move(fnTick)) {
        m_pClock->m_timers.push_back(this);
    }
    ~Timer() override {
        if (m_pClock) std::erase(m_pClock->m_timers, this);
    }
    FakeClock* m_pClock;
    qint64 m_nIntervalMs;
    qint64 m_nDueMs;
    std::function<void()> m_fnTick;
};

FakeClock::FakeClock() : m_now(QDateTime(QDate(2026, 1, 1), QTime(12, 0))) {}

FakeClock::~FakeClock() {
    // Timers that outlive the clock must not reach back into it.
    for (Timer* pTimer : m_timers)
        pTimer->m_pClock = nullptr;
}

std::unique_ptr<IClockTimer> FakeClock::StartTimer(int nIntervalMs, std::function<void()> fnTick) {
    return std::make_unique<Timer>(this, nIntervalMs, std::move(fnTick));
}

void FakeClock::Advance(qint64 nMs) {
    const qint64 nEnd = m_nElapsedMs + nMs;
    for (;;) {
        // The earliest due tick; a tick may start or stop timers, so look again each time.
        Timer* pNext = nullptr;
        for (Timer* pTimer : m_timers)
            if (pTimer->m_nDueMs <= nEnd && (!pNext || pTimer->m_nDueMs < pNext->m_nDueMs))
                pNext = pTimer;
        if (!pNext) break;
        m_now = m_now.addMSecs(pNext->m_nDueMs - m_nElapsedMs);
        m_nElapsedMs = pNext->m_nDueMs;
        pNext->m_nDueMs += pNext->m_nIntervalMs;
        const std::function<void()> fnTick = pNext->m_fnTick; // the tick may destroy its timer
        fnTick();
    }
    m_now = m_now.addMSecs(nEnd - m_nElapsedMs);
    m_nElapsedMs = nEnd;
}

int FakeClock::RunningTimers() const {
    return static_cast<int>(m_timers.size());
}

void FakeNetworkFetcher::Fetch(const QString& strAddress,
                               std::function<void(const FetchResult&)> fnDone) {
    m_saRequested.push_back(strAddress);
    m_pending.emplace_back(strAddress, std::move(fnDone));
    if (!m_bDeferred) Deliver();
}

void FakeNetworkFetcher::FetchLimited(const QString& strAddress, qint64 nMaxBytes, int,
                                      std::function<void(const FetchResult&)> fnDone) {
    Fetch(strAddress, [nMaxBytes, fnDone = std::move(fnDone)](const FetchResult& answer) {
        FetchResult result = answer;
        if (nMaxBytes >= 0 && result.baBody.size() > nMaxBytes) {
            result = FetchResult();
            result.strError = QStringLiteral("The answer is too long.");
        }
        fnDone(result);
    });
}

namespace {
class FakeTransfer : public IFetchTransfer {
public:
    void Cancel() override { *m_pCancelled = true; }
    std::shared_ptr<bool> m_pCancelled = std::make_shared<bool>(false);
};
} // namespace

std::unique_ptr<IFetchTransfer>
FakeNetworkFetcher::Download(const QString& strAddress, const QString& strFilePath,
                             std::function<void(qint64 nReceived, qint64 nTotal)> fnProgress,
                             std::function<void(const FetchResult&)> fnDone) {
    auto pTransfer = std::make_unique<FakeTransfer>();
    Fetch(strAddress, [this, strFilePath, pCancelled = pTransfer->m_pCancelled,
                       fnProgress = std::move(fnProgress),
                       fnDone = std::move(fnDone)](const FetchResult& answer) {
        FetchResult result = answer;
        result.baBody.clear();
        QFile file(strFilePath);
        if (answer.bOk && !file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            result.bOk = false;
            result.strError = file.errorString();
        }
        for (qint64 nAt = 0; result.bOk && nAt < answer.baBody.size(); nAt += m_nBlockSize) {
            file.write(answer.baBody.mid(nAt, m_nBlockSize));
            fnProgress(std::min<qint64>(nAt + m_nBlockSize, answer.baBody.size()),
                       answer.baBody.size());
            if (*pCancelled) {
                result.bOk = false;
                result.bCancelled = true;
                result.strError = QStringLiteral("Operation canceled");
            }
        }
        file.close();
        if (!result.bOk) file.remove();
        fnDone(result);
    });
    return pTransfer;
}

void FakeNetworkFetcher::Deliver() {
    auto pending = std::move(m_pending);
    m_pending.clear();
    for (auto& [strAddress, fnDone] : pending) {
        FetchResult result;
        if (m_answers.contains(strAddress))
            result = m_answers.value(strAddress);
        else
            result.strError = QStringLiteral("Host not found");
        fnDone(result);
    }
}
