// The fetcher opened on the first request: nothing before it loads the network module,
// every request after it reaches the real fetcher, and without the module each request
// fails through its callback, once, with a reason.
#include "media/lazynetworkfetcher.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

enum class Request { Fetch, Limited, Download };

// Asks for "a", "b", ... in turn; the answers land in saAnswers as "address: ok|error".
struct Asker {
    Asker(INetworkFetcher& fetcherUsed, const QString& strFileUsed)
        : fetcher(fetcherUsed), strFile(strFileUsed) {}

    INetworkFetcher& fetcher;
    QString strFile;
    QStringList saAnswers;
    std::vector<bool> abTransfer; // whether Download gave a transfer to hold
    int n = 0;

    void Ask(Request request) {
        const QString strAddress = QString(QChar('a' + n++));
        auto fnDone = [this, strAddress](const FetchResult& result) {
            saAnswers.append(strAddress + (result.bOk ? ": ok" : ": " + result.strError));
        };
        if (request == Request::Fetch) fetcher.Fetch(strAddress, fnDone);
        if (request == Request::Limited) fetcher.FetchLimited(strAddress, 10, 1000, fnDone);
        if (request == Request::Download)
            abTransfer.push_back(fetcher.Download(
                                     strAddress, strFile, [](qint64, qint64) {}, fnDone) !=
                                 nullptr);
    }
};

} // namespace

TEST(LazyNetworkFetcher, OpensOnTheFirstRequestAndForwardsFromThen) {
    struct Case {
        const char* szName;
        std::vector<Request> requests;
    };
    const std::vector<Case> cases = {
        {"nothing asked", {}},
        {"fetch first", {Request::Fetch, Request::Download}},
        {"limited first", {Request::Limited, Request::Fetch}},
        {"download first", {Request::Download, Request::Limited, Request::Download}},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.szName);
        CTestFolders folders;
        int nOpened = 0;
        FakeNetworkFetcher* pReal = nullptr;
        CLazyNetworkFetcher lazy([&](QString&) -> std::unique_ptr<INetworkFetcher> {
            ++nOpened;
            auto pFake = std::make_unique<FakeNetworkFetcher>();
            for (const char* szAddress : {"a", "b", "c"})
                pFake->m_answers[szAddress] = FetchResult{true, 200, "body", {}, false};
            pReal = pFake.get();
            return pFake;
        });
        Asker asker(lazy, folders.Scratch() + "/file");
        for (Request request : testCase.requests)
            asker.Ask(request);
        const bool bAsked = !testCase.requests.empty();
        EXPECT_EQ(lazy.IsOpen(), bAsked);
        EXPECT_EQ(nOpened, bAsked ? 1 : 0);
        QStringList saAddresses;
        for (int i = 0; i < asker.n; ++i)
            saAddresses.append(QString(QChar('a' + i)));
        EXPECT_EQ(asker.saAnswers,
                  QStringList(saAddresses).replaceInStrings(QRegularExpression("$"), ": ok"));
        if (pReal) {
            EXPECT_EQ(pReal->m_saRequested, saAddresses);
        }
        for (bool bTransfer : asker.abTransfer)
            EXPECT_TRUE(bTransfer);
    }
}

TEST(LazyNetworkFetcher, WithoutItsModuleEveryRequestFailsThroughItsCallback) {
    struct Case {
        const char* szModule; // null: an opener that gives nothing
        const char* szReason; // in the error beside the fetcher's own words
    };
    const std::vector<Case> cases = {
        {"/nonexistent/tetralyx-network.so", "/nonexistent/tetralyx-network.so"},
        {"/etc/hostname", "/etc/hostname"},
        {"", ""},
        {nullptr, ""},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.szModule ? testCase.szModule : "(opener)");
        CTestFolders folders;
        // A file already at the download's path is not the fetcher's to touch.
        const QString strFile = folders.Scratch() + "/kept.bin";
        ASSERT_TRUE(CTestFolders::WriteFile(strFile, "kept"));
        std::unique_ptr<CLazyNetworkFetcher> pLazy =
            testCase.szModule ? CLazyNetworkFetcher::FromModule(testCase.szModule)
                              : std::make_unique<CLazyNetworkFetcher>(
                                    [](QString&) { return std::unique_ptr<INetworkFetcher>(); });
        Asker asker(*pLazy, strFile);
        asker.Ask(Request::Download);
        // A download that could not begin is answered at once, with no transfer to hold ...
        ASSERT_EQ(asker.saAnswers.size(), 1);
        EXPECT_EQ(asker.abTransfer, std::vector<bool>{false});
        // ... fetches from the event loop, as transfers are.
        asker.Ask(Request::Fetch);
        asker.Ask(Request::Limited);
        EXPECT_EQ(asker.saAnswers.size(), 1);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        ASSERT_EQ(asker.saAnswers.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QString strAnswer = asker.saAnswers[i];
            EXPECT_TRUE(strAnswer.startsWith(QString(QChar('a' + i)) +
                                             ": The network module could not be loaded."))
                << strAnswer.toStdString();
            EXPECT_TRUE(strAnswer.contains(testCase.szReason)) << strAnswer.toStdString();
        }
        EXPECT_FALSE(pLazy->IsOpen());
        EXPECT_EQ(CTestFolders::ReadFile(strFile), QByteArray("kept"));
        // A fetcher gone before its answers leaves them unanswered.
        asker.Ask(Request::Fetch);
        pLazy.reset();
        QCoreApplication::processEvents();
        EXPECT_EQ(asker.saAnswers.size(), 3);
    }
}
