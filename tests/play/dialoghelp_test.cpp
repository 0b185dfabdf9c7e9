// F1 wherever the focus sits in a dialog opens that dialog's help topic; other keys, F1 with a
// modifier and dialogs without a topic are left alone.
#include "core/dialoghelp.h"
#include "play/ranknamedialog.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

class DialogHelpTest : public QObject {
    Q_OBJECT

private slots:
    void f1OpensTheTopicOfTheDialogWithTheFocus_data() {
        QTest::addColumn<int>("nKey");
        QTest::addColumn<int>("nModifiers");
        QTest::addColumn<bool>("bTagged");
        QTest::addColumn<int>("nShown"); // -1: nothing opens
        QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << true
                            << int(kHelpTopicGames);
        QTest::newRow("Shift+F1") << int(Qt::Key_F1) << int(Qt::ShiftModifier) << true << -1;
        QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << true << -1;
        QTest::newRow("no topic") << int(Qt::Key_F1) << int(Qt::NoModifier) << false << -1;
    }
    void f1OpensTheTopicOfTheDialogWithTheFocus() {
        QFETCH(int, nKey);
        QFETCH(int, nModifiers);
        QFETCH(bool, bTagged);
        QFETCH(int, nShown);
        int nOpened = -1;
        CDialogHelpKey key([&nOpened](unsigned nTopic) { nOpened = static_cast<int>(nTopic); });
        qApp->installEventFilter(&key);
        // A real dialog that names its topic, and a plain one that does not.
        CRankNameDialog named(RankKind::Amateur, QStringLiteral("Name"));
        QDialog plain;
        auto* pPlainEdit = new QLineEdit(&plain);
        QWidget* pTarget = bTagged ? named.findChild<QLineEdit*>(QStringLiteral("name"))
                                   : static_cast<QWidget*>(pPlainEdit);
        QVERIFY(pTarget != nullptr);
        QTest::keyClick(pTarget, static_cast<Qt::Key>(nKey),
                        static_cast<Qt::KeyboardModifiers>(nModifiers));
        qApp->removeEventFilter(&key);
        QCOMPARE(nOpened, nShown);
    }
};

QTEST_MAIN(DialogHelpTest)
#include "dialoghelp_test.moc"
