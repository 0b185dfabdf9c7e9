// The collection manager driven as a player would: its item, quick-save and export dialogs
// are answered as they open; message boxes come from the scripted presenter.
#include "core/collectionitemdialog.h"
#include "core/collectionmanagerdialog.h"
#include "core/registrystore.h"
#include "core/savecollectiondialog.h"
#include "core/savetocollectiondialog.h"
#include "engine/enginestate.h"
#include "tests/support/fakeservices.h"
#include "tests/support/nextdialog.h"
#include "tests/support/testfolders.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

template <class W> W* Child(QWidget* pParent, const char* szName) {
    return pParent->findChild<W*>(QString::fromLatin1(szName));
}

void Click(QWidget* pParent, const char* szName) {
    QPushButton* pButton = Child<QPushButton>(pParent, szName);
    QVERIFY2(pButton, szName);
    QVERIFY2(pButton->isEnabled(), szName);
    pButton->click();
}

} // namespace

class CollectionManagerDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestFolders> m_pFolders;
    FakeServices m_fakes;
    Collection m_favorites;
    Collection m_troubles;
    QString m_strFavoritePath;
    QString m_strTroublePath;
    std::unique_ptr<CRegistryStore> m_pRegistry;

    std::unique_ptr<CCollectionManagerDialog> OpenFavorites() {
        auto pDialog = std::make_unique<CCollectionManagerDialog>(
            m_favorites, m_strFavoritePath, true, m_troubles, m_strTroublePath, m_fakes.Services(),
            *m_pRegistry);
        pDialog->show();
        return pDialog;
    }
    QStringList Rows(QWidget* pDialog) {
        QStringList saRows;
        QTreeWidget* pList = Child<QTreeWidget>(pDialog, "list");
        for (int i = 0; i < pList->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* pItem = pList->topLevelItem(i);
            saRows.append(pItem->text(0) + "|" + pItem->text(1) + "|" + pItem->text(2));
        }
        return saRows;
    }
    int Current(QWidget* pDialog) {
        QTreeWidget* pList = Child<QTreeWidget>(pDialog, "list");
        return pList->indexOfTopLevelItem(pList->currentItem());
    }
    QStringList Messages() {
        QStringList saMessages;
        for (const MessageRequest& request : m_fakes.messages.m_requests)
            saMessages.append(request.strMessage);
        m_fakes.messages.m_requests.clear();
        return saMessages;
    }
    void Seed(Collection& list, const QString& strPath, bool bMyFavorite,
              std::vector<CollectionItem> items) {
        list.m_items = std::move(items);
        QVERIFY(SaveCollection(list, strPath, bMyFavorite, nullptr));
    }

private slots:
    void init() {
        m_pFolders = std::make_unique<CTestFolders>();
        m_pRegistry = std::make_unique<CRegistryStore>(m_pFolders->Home() + "/registry.ini",
                                                       "software\\Korvane\\Tetralyx\\1.3");
        m_strFavoritePath = GetCollectionPath(true);
        m_strTroublePath = GetCollectionPath(false);
        QVERIFY(m_strFavoritePath.startsWith(m_pFolders->Home()));
        m_favorites = Collection();
        m_troubles = Collection();
        m_fakes.messages.m_requests.clear();
        m_fakes.messages.m_answers.clear();
        SetMaxValue(10);
    }
    void cleanup() {
        m_pRegistry.reset();
        m_pFolders.reset();
    }

    void addsAndModifiesWithTheFullRangeWhileOpen() {
        Seed(m_favorites, m_strFavoritePath, true, {{"1 1 8 8", "nice"}});
        auto pDialog = OpenFavorites();
        QCOMPARE(GetMaxValue(), 13u);
        QCOMPARE(Current(pDialog.get()), 0);
        QCOMPARE(Child<QPlainTextEdit>(pDialog.get(), "questionBox")->toPlainText(),
                 QString("1 1 8 8\nnice"));

        // Typed out of order: stored sorted, with a word to the player.
        CNextDialog<CCollectionItemDialog> reordered([](CCollectionItemDialog* pItem) {
            Child<QLineEdit>(pItem, "question")->setText("13 3 2 1");
            Child<QPlainTextEdit>(pItem, "note")->setPlainText("  a, b\nc  ");
            Click(pItem, "ok");
        });
        Click(pDialog.get(), "add");
        QVERIFY(reordered.Done());
        QCOMPARE(Messages(),
                 QStringList{"Your question is reordered and saved as:\r\n\r\n\t1 2 3 13"});
        QCOMPARE(Rows(pDialog.get()), (QStringList{"1|1 1 8 8|nice", "2|1 2 3 13|a, b"}));
        QCOMPARE(Current(pDialog.get()), 1);
        QCOMPARE(CTestFolders::ReadFile(m_strFavoritePath),
                 QByteArray("[My Favorite]\r\nfmf 1 = 1 1 8 8,nice\r\nfmf 2 = {{Block}}\r\n"
                            "<B Start>\r\n1 2 3 13,a, b\r\nc\r\n<B End>\r\n"));

        // The same question in another order is refused and the dialog stays open.
        bool bStayed = false;
        CNextDialog<CCollectionItemDialog> duplicate([&](CCollectionItemDialog* pItem) {
            QVERIFY(!Child<QPushButton>(pItem, "ok")->isEnabled());
            Child<QLineEdit>(pItem, "question")->setText("8 1 8 1");
            QCOMPARE(Child<QPlainTextEdit>(pItem, "solutions")->toPlainText(),
                     QString("A1: 8+8*(1+1)"));
            Click(pItem, "ok");
            bStayed = pItem->isVisible();
            Click(pItem, "cancel");
        });
        Click(pDialog.get(), "add");
        QVERIFY(duplicate.Done());
        QVERIFY(bStayed);
        QCOMPARE(Messages(),
                 QStringList{"The question already exists in this list, no need to add it again."});
        QCOMPARE(Rows(pDialog.get()).size(), 2);

        // Modify by double click: the edited item may keep its own question.
        CNextDialog<CCollectionItemDialog> modify([](CCollectionItemDialog* pItem) {
            QCOMPARE(Child<QLineEdit>(pItem, "question")->text(), QString("1 1 8 8"));
            QVERIFY(Child<QPlainTextEdit>(pItem, "solutions")->toPlainText().isEmpty() == false);
            Child<QPlainTextEdit>(pItem, "note")->setPlainText("better");
            Child<QCheckBox>(pItem, "powerRoot")->setChecked(true);
            Click(pItem, "ok");
        });
        QTreeWidget* pList = Child<QTreeWidget>(pDialog.get(), "list");
        emit pList->itemDoubleClicked(pList->topLevelItem(0), 0);
        QVERIFY(modify.Done());
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Rows(pDialog.get()), (QStringList{"1|1 1 8 8|better", "2|1 2 3 13|a, b"}));
        QVERIFY(Child<QCheckBox>(pDialog.get(), "powerRoot")->isChecked());
        QVERIFY(pDialog->HasChanged());

        pDialog->accept();
        pDialog.reset();
        QCOMPARE(GetMaxValue(), 10u);
        QCOMPARE(m_pRegistry->ReadNumber("FM", "Enable Power and Root", 0), 1);
        Collection reloaded;
        LoadCollection(reloaded, m_strFavoritePath, true);
        QCOMPARE(reloaded.m_items.size(), size_t(2));
        QCOMPARE(reloaded.m_items[0].strNote, QString("better"));
    }

    void deleteSelectsTheNextOrTheNewLast() {
        Seed(m_favorites, m_strFavoritePath, true,
             {{"1 1 1 1", ""}, {"2 2 2 2", ""}, {"3 3 3 3", ""}});
        auto pDialog = OpenFavorites();
        Child<QTreeWidget>(pDialog.get(), "list")
            ->setCurrentItem(Child<QTreeWidget>(pDialog.get(), "list")->topLevelItem(2));

        m_fakes.messages.Script(KV_IDNO);
        Click(pDialog.get(), "delete");
        QCOMPARE(Messages().size(), 1);
        QCOMPARE(Rows(pDialog.get()).size(), 3);

        m_fakes.messages.Script(KV_IDYES);
        Click(pDialog.get(), "delete");
        QCOMPARE(m_fakes.messages.m_requests.back().nStyle & 0xF, KV_MB_YESNO);
        QVERIFY(Messages().first().contains("\t3 3 3 3\r\n"));
        QCOMPARE(Rows(pDialog.get()), (QStringList{"1|1 1 1 1|", "2|2 2 2 2|"}));
        QCOMPARE(Current(pDialog.get()), 1);

        Child<QTreeWidget>(pDialog.get(), "list")
            ->setCurrentItem(Child<QTreeWidget>(pDialog.get(), "list")->topLevelItem(0));
        m_fakes.messages.Script(KV_IDYES);
        Click(pDialog.get(), "delete");
        QCOMPARE(Rows(pDialog.get()), QStringList{"1|2 2 2 2|"});
        QCOMPARE(Current(pDialog.get()), 0);

        m_fakes.messages.Script(KV_IDYES);
        Click(pDialog.get(), "delete");
        QVERIFY(Rows(pDialog.get()).isEmpty());
        QCOMPARE(Current(pDialog.get()), -1);
        for (const char* szName : {"delete", "modify", "export", "copy"})
            QVERIFY2(!Child<QPushButton>(pDialog.get(), szName)->isEnabled(), szName);
        QVERIFY(Child<QPushButton>(pDialog.get(), "add")->isEnabled());
        QCOMPARE(CTestFolders::ReadFile(m_strFavoritePath), QByteArray());
    }

    void copiesToTheOtherList() {
        Seed(m_favorites, m_strFavoritePath, true, {{"1 2 3 4", "a note"}, {"3 3 8 8", ""}});
        Seed(m_troubles, m_strTroublePath, false, {{"3 3 8 8", "mine"}});
        auto pDialog = OpenFavorites();
        QVERIFY(Child<QPushButton>(pDialog.get(), "copy")->isEnabled());

        CNextDialog<CSaveToCollectionDialog> copy([](CSaveToCollectionDialog* pSave) {
            QCOMPARE(pSave->windowTitle(), QString("Save to Trouble Maker"));
            QLineEdit* pQuestion = Child<QLineEdit>(pSave, "question");
            QLabel* pStatus = Child<QLabel>(pSave, "status");
            const struct {
                const char* szTyped;
                const char* szStatus;
                bool bOk;
            } steps[] = {
                {"8 8 3 3", "The question already exists in \"Trouble Maker\".", false},
                {"1 2 3", "", false},
                {"1 2 3 4 5 6", "Invalid question.", false},
                {"4 3 2 1", "", true},
            };
            for (const auto& step : steps) {
                pQuestion->setText(step.szTyped);
                QCOMPARE(pStatus->text(), QString(step.szStatus));
                QCOMPARE(Child<QPushButton>(pSave, "ok")->isEnabled(), step.bOk);
            }
            Click(pSave, "ok");
        });
        Click(pDialog.get(), "copy");
        QVERIFY(copy.Done());
        QCOMPARE(m_troubles.m_items.size(), size_t(2));
        QCOMPARE(m_troubles.m_items[0].strQuestion, QString("1 2 3 4"));
        QCOMPARE(m_troubles.m_items[0].strNote, QString("a note"));
        QVERIFY(!Child<QPushButton>(pDialog.get(), "copy")->isEnabled());
        QCOMPARE(
            CTestFolders::ReadFile(m_strTroublePath),
            QByteArray("[Trouble Maker]\r\nfmt 1 = 1 2 3 4,a note\r\nfmt 2 = 3 3 8 8,mine\r\n"));
        QVERIFY(pDialog->HasChanged());
    }

    void exportsToAFile() {
        Seed(m_favorites, m_strFavoritePath, true, {{"3 3 8 8", "classic"}});
        auto pDialog = OpenFavorites();
        const QString strChosen = m_pFolders->Scratch() + "/out";
        m_fakes.files.m_strSaveAnswer = strChosen;

        CNextDialog<CSaveCollectionDialog> first([](CSaveCollectionDialog* pSave) {
            QCOMPARE(pSave->windowTitle(), QString("Save \"My Favorite\" to File"));
            Child<QLineEdit>(pSave, "title")->setText("Best");
            QCOMPARE(pSave->windowTitle(), QString("Save \"Best\" to File"));
            Click(pSave, "browse");
            Child<QCheckBox>(pSave, "withAnswer")->setChecked(false);
            Click(pSave, "ok");
        });
        Click(pDialog.get(), "export");
        QVERIFY(first.Done());
        QVERIFY(Messages().isEmpty());
        QCOMPARE(CTestFolders::ReadFile(strChosen + ".txt"),
                 QByteArray("\t\tBest\r\n\r\nQ1: 3 3 8 8\r\nNote: \r\nclassic"));
        QCOMPARE(m_pRegistry->ReadText("File", "Last Saved Path - My Favorite", ""),
                 strChosen + ".txt");
        QCOMPARE(m_pRegistry->ReadText("File", "Last Saved Folder - My Favorite", ""),
                 m_pFolders->Scratch());
        QCOMPARE(m_pRegistry->ReadNumber("File", "Last Saved Answer - My Favorite", 1), 0);

        // The options come back; a read-only target is refused after the overwrite question.
        QVERIFY(QFile::setPermissions(strChosen + ".txt", QFileDevice::ReadOwner));
        m_fakes.messages.Script(KV_IDYES);
        CNextDialog<CSaveCollectionDialog> second([&](CSaveCollectionDialog* pSave) {
            QCOMPARE(Child<QLineEdit>(pSave, "path")->text(), strChosen + ".txt");
            QVERIFY(!Child<QCheckBox>(pSave, "withAnswer")->isChecked());
            Click(pSave, "ok");
        });
        Click(pDialog.get(), "export");
        QVERIFY(second.Done());
        const QStringList saMessages = Messages();
        QCOMPARE(saMessages.size(), 2);
        QVERIFY(saMessages[0].startsWith("You are about to overwrite file"));
        QVERIFY(saMessages[1].contains("is a read-only file"));
        QCOMPARE(m_fakes.files.m_saStartPaths.size(), 1);
    }

    void solutionPaneFollowsItsBox() {
        Seed(m_favorites, m_strFavoritePath, true, {{"3 3 8 8", ""}});
        auto pDialog = OpenFavorites();
        QPlainTextEdit* pSolutions = Child<QPlainTextEdit>(pDialog.get(), "solutions");
        QVERIFY(!pSolutions->isVisible());
        const int nNarrow = pDialog->width();
        Child<QCheckBox>(pDialog.get(), "showSolution")->setChecked(true);
        QVERIFY(pSolutions->isVisible());
        QVERIFY(pDialog->width() > nNarrow);
        QCOMPARE(pSolutions->toPlainText(), QString("A1: 8/(3-8/3)"));
        Child<QCheckBox>(pDialog.get(), "showSolution")->setChecked(false);
        QCOMPARE(pDialog->width(), nNarrow);
        Child<QCheckBox>(pDialog.get(), "showSolution")->setChecked(true);
        pDialog->reject();
        QCOMPARE(m_pRegistry->ReadNumber("FM", "Show Solution", 0), 1);
        pDialog.reset();
        pDialog = OpenFavorites();
        QVERIFY(Child<QPlainTextEdit>(pDialog.get(), "solutions")->isVisible());
    }
};

QTEST_MAIN(CollectionManagerDialogTest)
#include "collectionmanagerdialog_test.moc"
