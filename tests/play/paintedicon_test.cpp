// Icons drawn on demand: the right drawing for each requested size and state, drawn once,
// nothing drawn before it is needed.
#include "play/paintedicon.h"

#include <QImage>
#include <QTest>

#include <vector>

class PaintedIconTest : public QObject {
    Q_OBJECT

private slots:
    void servesEachRequestFromOneDrawing_data() {
        QTest::addColumn<int>("nRequested");
        QTest::addColumn<bool>("bDisabled");
        QTest::addColumn<int>("nDrawn");    // the size the painter is asked for
        QTest::addColumn<int>("nReturned"); // the size of the picture handed out
        QTest::newRow("exact small") << 16 << false << 16 << 16;
        QTest::newRow("exact toolbar") << 24 << false << 24 << 24;
        QTest::newRow("between sizes: scaled down") << 20 << false << 24 << 20;
        QTest::newRow("below the smallest") << 8 << false << 16 << 8;
        QTest::newRow("above the largest: not blown up") << 100 << false << 48 << 48;
        QTest::newRow("greyed") << 24 << true << 24 << 24;
    }
    void servesEachRequestFromOneDrawing() {
        QFETCH(int, nRequested);
        QFETCH(bool, bDisabled);
        QFETCH(int, nDrawn);
        QFETCH(int, nReturned);
        std::vector<std::pair<int, bool>> calls;
        const QIcon icon = CPaintedIconEngine::MakeIcon(
            [&calls](int nSize, bool bGrey) {
                calls.emplace_back(nSize, bGrey);
                QPixmap pixmap(nSize, nSize);
                pixmap.fill(bGrey ? Qt::gray : Qt::red);
                return pixmap;
            },
            {48, 16, 32, 24});
        QVERIFY(calls.empty());
        const QIcon::Mode mode = bDisabled ? QIcon::Disabled : QIcon::Normal;
        const QImage image = icon.pixmap(QSize(nRequested, nRequested), mode).toImage();
        QCOMPARE(image.size(), QSize(nReturned, nReturned));
        QCOMPARE(QColor(image.pixel(nReturned / 2, nReturned / 2)),
                 QColor(bDisabled ? Qt::gray : Qt::red));
        QCOMPARE(calls.size(), size_t(1));
        QCOMPARE(calls[0], std::make_pair(nDrawn, bDisabled));
        // Asked again, through a copy too: no second drawing.
        const QIcon copy = icon;
        copy.pixmap(QSize(nRequested, nRequested), mode);
        icon.pixmap(QSize(nRequested, nRequested), mode);
        QCOMPARE(calls.size(), size_t(1));
        QCOMPARE(icon.availableSizes().size(), 4);
        QCOMPARE(icon.availableSizes().first(), QSize(16, 16));
    }
};

QTEST_MAIN(PaintedIconTest)
#include "paintedicon_test.moc"
