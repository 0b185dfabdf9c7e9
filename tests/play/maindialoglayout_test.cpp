// The main window's layout at the smallest size it allows, at a large size and in the
// Enlarged UI, in each language: every visible control lies inside the window, no two
// overlap, and no label or button is narrower or lower than its text needs.
#include "core/application.h"
#include "core/language.h"
#include "play/cardview.h"
#include "play/maindialog.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

class MainDialogLayoutTest : public QObject {
    Q_OBJECT

private:
    // The controls a player sees, without the parts that make them up (a spin box's edit).
    static QList<QWidget*> Controls(QWidget* pCentral) {
        QList<QWidget*> controls;
        for (QWidget* pWidget : pCentral->findChildren<QWidget*>()) {
            const bool bControl =
                qobject_cast<QLabel*>(pWidget) || qobject_cast<QAbstractButton*>(pWidget) ||
                qobject_cast<QAbstractSpinBox*>(pWidget) ||
                qobject_cast<QPlainTextEdit*>(pWidget) || qobject_cast<CCardView*>(pWidget);
            if (!bControl || !pWidget->isVisibleTo(pCentral)) continue;
            bool bPart = false;
            for (QWidget* pUp = pWidget->parentWidget(); pUp && pUp != pCentral;
                 pUp = pUp->parentWidget())
                bPart = bPart || qobject_cast<QAbstractSpinBox*>(pUp) ||
                        qobject_cast<QPlainTextEdit*>(pUp);
            if (!bPart) controls.append(pWidget);
        }
        return controls;
    }
    static QString Name(const QWidget* pWidget) {
        if (!pWidget->objectName().isEmpty()) return pWidget->objectName();
        if (auto* pButton = qobject_cast<const QAbstractButton*>(pWidget)) return pButton->text();
        if (auto* pLabel = qobject_cast<const QLabel*>(pWidget)) return pLabel->text();
        return QString::fromLatin1(pWidget->metaObject()->className());
    }

private slots:
    void noControlIsClippedOrCovered_data() {
        QTest::addColumn<int>("nLanguage");
        QTest::addColumn<bool>("bEnlarged");
        QTest::addColumn<QSize>("size"); // QSize(): its minimum; QSize(0, 1): as it opens
        const char* const szaLanguages[] = {"english", "gb2312", "big5"};
        for (int nLanguage = 0; nLanguage < 3; ++nLanguage) {
            const QByteArray strName = szaLanguages[nLanguage];
            QTest::newRow(strName + " minimum") << nLanguage << false << QSize();
            QTest::newRow(strName + " opened") << nLanguage << false << QSize(0, 1);
            QTest::newRow(strName + " large") << nLanguage << false << QSize(1920, 1080);
            QTest::newRow(strName + " enlarged minimum") << nLanguage << true << QSize();
            QTest::newRow(strName + " enlarged large") << nLanguage << true << QSize(1920, 1080);
        }
    }
    void noControlIsClippedOrCovered() {
        QFETCH(int, nLanguage);
        QFETCH(bool, bEnlarged);
        QFETCH(QSize, size);
        CTestFolders folders;
        FakeServices services;
        QVERIFY(
            CTestFolders::WriteFile(folders.Scratch() + "/config/defaultmusic.ini", "[Music]\r\n"));
        CApplication app(services.Services());
        QCOMPARE(app.Configure(folders.Scratch(), folders.Home()), CApplication::ConfigResult::Ok);
        app.GetRegistryStore().WriteNumber("UI", "Enlarged", bEnlarged ? 1 : 0);

        CMainDialog window(app);
        window.OnSelectLanguage(nLanguage);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (size.isEmpty() && size.height() == 0)
            window.resize(window.minimumSize().expandedTo(window.minimumSizeHint()));
        else if (!size.isEmpty())
            window.resize(size);
        QCoreApplication::processEvents();
        if (size.isEmpty() && size.height() == 0)
            QVERIFY2(window.width() < 700, "the window can be made smaller than it opens");

        QWidget* pCentral = window.centralWidget();
        const QRect inside = pCentral->rect();
        const QList<QWidget*> controls = Controls(pCentral);
        QVERIFY(controls.size() >= 14);
        QList<QRect> rects;
        for (QWidget* pControl : controls) {
            const QRect rect(pControl->mapTo(pCentral, QPoint(0, 0)), pControl->size());
            QVERIFY2(inside.contains(rect), qPrintable(Name(pControl) + " sticks out"));
            const bool bText =
                qobject_cast<QLabel*>(pControl) || qobject_cast<QAbstractButton*>(pControl);
            if (bText) {
                const QSize need = pControl->minimumSizeHint();
                QVERIFY2(pControl->width() >= need.width() && pControl->height() >= need.height(),
                         qPrintable(Name(pControl) + " cuts its text"));
            }
            rects.append(rect);
        }
        for (int n = 0; n < rects.size(); ++n)
            for (int m = n + 1; m < rects.size(); ++m)
                QVERIFY2(!rects[n].intersects(rects[m]),
                         qPrintable(Name(controls[n]) + " overlaps " + Name(controls[m])));
        SetLanguageId(kLanguageEnglish);
    }
};

QTEST_MAIN(MainDialogLayoutTest)
#include "maindialoglayout_test.moc"
