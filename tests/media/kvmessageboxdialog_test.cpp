// The message box as the user meets it: buttons, results, Escape, size, details, help.
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "media/help.h"
#include "media/kvmessageboxdialog.h"
#include "media/kvmessageboxlogic.h"
#include "media/kvmessagepresenter.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

class KVMessageBoxDialogTest : public QObject {
    Q_OBJECT

private:
    QList<unsigned> m_naHelp;                            // topics the help handler was asked for
    static constexpr unsigned kHelpTopicIrrelevant = 22; // userguide/a1_irrelevant.htm

    void ListenForHelp(CKVMessageBoxDialog& box) {
        box.SetHelpHandler([this](unsigned nTopic) { m_naHelp.append(nTopic); });
    }

    static QPushButton* Button(const CKVMessageBoxDialog& box, const char* szName) {
        return box.findChild<QPushButton*>(QString::fromLatin1(szName));
    }
    static int MessageHeight(const QString& strMessage) {
        CKVMessageBoxDialog box(strMessage, "c", 0, false, QString(), false, false);
        return box.findChild<QPlainTextEdit*>("message")->height();
    }

private slots:
    void init() {
        m_naHelp.clear();
        SetLanguageId(kLanguageEnglish);
    }

    void buttonsShowTheirSetAndAnswerByPosition_data() {
        QTest::addColumn<unsigned>("nStyle");
        QTest::addColumn<QStringList>("saLabels"); // left, middle, right; "" = hidden
        QTest::addColumn<QList<int>>("naResults");
        QTest::newRow("0 OK") << 0u << QStringList{"", "", "OK"} << QList<int>{0, 0, 1};
        QTest::newRow("1 OK Cancel")
            << 1u << QStringList{"", "OK", "Cancel"} << QList<int>{0, 1, 2};
        QTest::newRow("2 Abort Retry Ignore")
            << 2u << QStringList{"&Abort", "&Retry", "&Ignore"} << QList<int>{3, 4, 5};
        QTest::newRow("3 Yes No Cancel")
            << 3u << QStringList{"&Yes", "&No", "Cancel"} << QList<int>{6, 7, 2};
        QTest::newRow("4 Yes No") << 0x24u << QStringList{"", "&Yes", "&No"} << QList<int>{0, 6, 7};
        QTest::newRow("5 Retry Cancel")
            << 5u << QStringList{"", "&Retry", "Cancel"} << QList<int>{0, 4, 2};
    }
    void buttonsShowTheirSetAndAnswerByPosition() {
        QFETCH(unsigned, nStyle);
        QFETCH(QStringList, saLabels);
        QFETCH(QList<int>, naResults);
        const char* szaNames[] = {"left", "middle", "right"};
        for (int n = 0; n < 3; ++n) {
            CKVMessageBoxDialog box("Message", "Caption", nStyle, false, QString(), false, false);
            box.show();
            for (int m = 0; m < 3; ++m) {
                QPushButton* pButton = Button(box, szaNames[m]);
                QCOMPARE(pButton->isVisible(), !saLabels[m].isEmpty());
                if (!saLabels[m].isEmpty()) QCOMPARE(pButton->text(), saLabels[m]);
            }
            if (saLabels[n].isEmpty()) continue;
            QTest::mouseClick(Button(box, szaNames[n]), Qt::LeftButton);
            QCOMPARE(box.GetResult(), naResults[n]);
            QVERIFY(!box.isVisible());
        }
    }

    void theDefaultButtonTakesEnter_data() {
        QTest::addColumn<unsigned>("nStyle");
        QTest::addColumn<QString>("strDefault");
        QTest::addColumn<int>("nResult");
        QTest::newRow("Yes No, first") << 0x24u << "middle" << 6;
        QTest::newRow("Yes No, second") << 0x124u << "right" << 7;
        QTest::newRow("Yes No, third is missing") << 0x224u << "middle" << 6;
        QTest::newRow("Yes No Cancel, third") << 0x203u << "right" << 2;
        QTest::newRow("Abort Retry Ignore, second") << 0x102u << "middle" << 4;
    }
    void theDefaultButtonTakesEnter() {
        QFETCH(unsigned, nStyle);
        QFETCH(QString, strDefault);
        QFETCH(int, nResult);
        CKVMessageBoxDialog box("Question?", QString(), nStyle, false, QString(), false, false);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTRY_VERIFY(Button(box, strDefault.toLatin1())->hasFocus());
        QVERIFY(Button(box, strDefault.toLatin1())->isDefault());
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.GetResult(), nResult);
    }

    void escapeAndCloseAnswerBySet_data() {
        QTest::addColumn<unsigned>("nStyle");
        QTest::addColumn<int>("nResult"); // 0: the box stays open
        QTest::newRow("0") << 0u << 1;
        QTest::newRow("1") << 1u << 2;
        QTest::newRow("2") << 2u << 0;
        QTest::newRow("3") << 3u << 2;
        QTest::newRow("4") << 4u << 0;
        QTest::newRow("5") << 5u << 2;
    }
    void escapeAndCloseAnswerBySet() {
        QFETCH(unsigned, nStyle);
        QFETCH(int, nResult);
        for (const bool bEscape : {true, false}) {
            CKVMessageBoxDialog box("Message", "Caption", nStyle, false, QString(), false, false);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            if (bEscape)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.close();
            QCOMPARE(box.GetResult(), nResult);
            QCOMPARE(box.isVisible(), nResult == 0);
        }
    }

    void theMessageAreaFollowsTheSizeRule() {
        const int nBase = CKVMessageBoxDialog::kBaseMessageHeight;
        QCOMPARE(MessageHeight("One line."), nBase - 48);
        QCOMPARE(MessageHeight(QString("x\r\n").repeated(11) + "x"), nBase + 4);
        QCOMPARE(MessageHeight(QString("x\r\n").repeated(8) + "x"), nBase - 34);
        QCOMPARE(MessageHeight(QString(20000, u'w')), nBase + 264);
        // The whole box grows with its message area.
        CKVMessageBoxDialog shortBox("Short.", "c", 0, false, QString(), false, false);
        CKVMessageBoxDialog longBox(QString("line\r\n").repeated(40), "c", 0, false, QString(),
                                    false, false);
        QCOMPARE(longBox.GetCollapsedHeight() - shortBox.GetCollapsedHeight(), 264 + 48);
    }

    void theBoxStaysCentredOverItsOwner() {
        QWidget owner;
        owner.setGeometry(100, 80, 800, 600);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        for (const QString& strMessage : {QString("short"), QString("long\r\n").repeated(30)}) {
            CKVMessageBoxDialog box(strMessage, "c", 0, true, "details", false, false, &owner);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            QVERIFY(
                (box.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <=
                2);
            QTest::mouseClick(Button(box, "details"), Qt::LeftButton);
            QVERIFY(
                (box.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <=
                2);
        }
    }

    void detailsToggleBetweenTwoHeights() {
        CKVMessageBoxDialog box("Message", "c", 0, true, "Line one\r\nLine two", false, false);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QPushButton* pDetails = Button(box, "details");
        auto* pPane = box.findChild<QPlainTextEdit*>("detailsPane");
        QVERIFY(pDetails->isEnabled());
        QCOMPARE(pDetails->text(), QString("&Details >>"));
        QVERIFY(!pPane->isVisible());
        QCOMPARE(box.height(), box.GetCollapsedHeight());
        QVERIFY(box.GetExpandedHeight() > box.GetCollapsedHeight());

        QTest::mouseClick(pDetails, Qt::LeftButton);
        QVERIFY(box.IsDetailsShown());
        QVERIFY(pPane->isVisible());
        QCOMPARE(pPane->toPlainText(), QString("Line one\nLine two"));
        QVERIFY(pPane->isReadOnly());
        QCOMPARE(pDetails->text(), QString("<< &Details"));
        QTRY_COMPARE(box.height(), box.GetExpandedHeight());

        QTest::mouseClick(pDetails, Qt::LeftButton);
        QVERIFY(!pPane->isVisible());
        QCOMPARE(pDetails->text(), QString("&Details >>"));
        QTRY_COMPARE(box.height(), box.GetCollapsedHeight());
        QVERIFY(box.isVisible());
        QCOMPARE(box.GetResult(), 0);
    }

    void detailsNeedTheFlag() {
        CKVMessageBoxDialog box("Message", "c", 0, false, "details given anyway", false, false);
        box.show();
        QVERIFY(!Button(box, "details")->isEnabled());
    }

    void theIrrelevantKeyLinksToHelp() {
        CKVMessageBoxDialog box("Message", "c", 0, true, KV_HELP_UG_IRRELEVANT, false, false);
        ListenForHelp(box);
        box.show();
        QPushButton* pDetails = Button(box, "details");
        QCOMPARE(pDetails->text(), QString("&Details"));
        QTest::mouseClick(pDetails, Qt::LeftButton);
        QCOMPARE(m_naHelp, QList<unsigned>{kHelpTopicIrrelevant});
        QVERIFY(!box.IsDetailsShown());
        QVERIFY(!box.findChild<QPlainTextEdit*>("detailsPane")->isVisible());
        QVERIFY(box.isVisible());
    }

    void f1OpensTheHelpContents() {
        CKVMessageBoxDialog box("Message", "c", 0, false, QString(), false, false);
        ListenForHelp(box);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::keyClick(&box, Qt::Key_F1);
        QCOMPARE(m_naHelp, QList<unsigned>{kHelpTopicContents});
        QVERIFY(box.isVisible());
    }

    // The presenter's box offers help only where the request does: before the program ends
    // (a broken installation) F1 and the help link do nothing.
    void thePresenterOffersHelpOnlyWhereAsked() {
        for (const bool bOfferHelp : {true, false}) {
            m_naHelp.clear();
            CKVMessagePresenter presenter;
            presenter.SetHelpHandler([this](unsigned nTopic) { m_naHelp.append(nTopic); });
            MessageRequest request;
            request.strMessage = "Message";
            request.nStyle = KV_MB_YESNO;
            request.bHasDetails = true;
            request.strDetails = KV_HELP_UG_IRRELEVANT;
            request.bShowCheck = true;
            request.bOfferHelp = bOfferHelp;
            QTimer::singleShot(0, [] {
                auto* pBox = qobject_cast<CKVMessageBoxDialog*>(QApplication::activeModalWidget());
                QVERIFY(pBox);
                QTest::keyClick(pBox, Qt::Key_F1);
                QTest::mouseClick(Button(*pBox, "details"), Qt::LeftButton);
                pBox->findChild<QCheckBox*>("check")->setChecked(true);
                QTest::mouseClick(Button(*pBox, "right"), Qt::LeftButton);
            });
            const MessageAnswer answer = presenter.Present(request);
            QCOMPARE(answer.nResult, KV_IDNO);
            QVERIFY(answer.bChecked);
            QCOMPARE(m_naHelp, bOfferHelp
                                   ? (QList<unsigned>{kHelpTopicContents, kHelpTopicIrrelevant})
                                   : QList<unsigned>{});
        }
    }

    void theCheckBoxStateIsKeptInEveryWayOfClosing() {
        for (const int nWay : {0, 1, 2}) {
            CKVMessageBoxDialog box("Message", "c", 1, false, QString(), true, false);
            box.show();
            auto* pCheck = box.findChild<QCheckBox*>("check");
            QVERIFY(pCheck->isVisible());
            QCOMPARE(pCheck->text(), QString("&Show this message next time"));
            QVERIFY(!pCheck->isChecked());
            pCheck->setChecked(true);
            if (nWay == 0) QTest::mouseClick(Button(box, "middle"), Qt::LeftButton);
            if (nWay == 1) QTest::keyClick(&box, Qt::Key_Escape);
            if (nWay == 2) box.close();
            QVERIFY(box.IsChecked());
        }
        CKVMessageBoxDialog hidden("Message", "c", 0, false, QString(), false, true);
        QVERIFY(!hidden.findChild<QCheckBox*>("check")->isVisibleTo(&hidden));
        QVERIFY(hidden.IsChecked());
    }

    void iconAndCaption() {
        CKVMessageBoxDialog withIcon("m", "", 0x10, false, QString(), false, false);
        QVERIFY(withIcon.findChild<QLabel*>("icon")->isVisibleTo(&withIcon));
        QCOMPARE(withIcon.windowTitle(), QString("Tetralyx"));
        CKVMessageBoxDialog withoutIcon("m", "Own caption", 0x00, false, QString(), false, false);
        QVERIFY(!withoutIcon.findChild<QLabel*>("icon")->isVisibleTo(&withoutIcon));
        QCOMPARE(withoutIcon.windowTitle(), QString("Own caption"));
        auto* pMessage = withoutIcon.findChild<QPlainTextEdit*>("message");
        QVERIFY(pMessage->isReadOnly());
    }

    void labelsFollowTheLanguage() {
        SetLanguageId(kLanguageSimplifiedChinese);
        CKVMessageBoxDialog box("m", "c", 3, true, "d", true, false);
        QCOMPARE(Button(box, "left")->text(), LocalizedText(IDS_DIALOG_YES_Y));
        QCOMPARE(Button(box, "right")->text(), LocalizedText(IDS_DIALOG_CANCEL));
        QCOMPARE(Button(box, "details")->text(),
                 LocalizedText(IDS_DIALOG_KV_MESSAGE_BOX_SHOW_DETAILS));
        QVERIFY(Button(box, "left")->text() != QString("&Yes"));
        SetLanguageId(kLanguageEnglish);
    }

    void showKVMessageBoxReturnsTheAnswer() {
        QTimer::singleShot(0, [] {
            auto* pBox = qobject_cast<CKVMessageBoxDialog*>(QApplication::activeModalWidget());
            QVERIFY(pBox);
            QTest::mouseClick(Button(*pBox, "right"), Qt::LeftButton);
        });
        QCOMPARE(ShowKVMessageBox("Will you exit now?", QString(), 0x24), 7);
    }
};

QTEST_MAIN(KVMessageBoxDialogTest)
#include "kvmessageboxdialog_test.moc"
