// The program's icon at the sizes a desktop shows in title bars and task lists.
#include "play/programicon.h"

#include <QImage>
#include <QSet>
#include <QTest>

class ProgramIconTest : public QObject {
    Q_OBJECT

private slots:
    void theSmallSizesAreDrawnInWholePixels_data() {
        QTest::addColumn<int>("nSize");
        QTest::newRow("16") << 16;
        QTest::newRow("24") << 24;
    }
    void theSmallSizesAreDrawnInWholePixels() {
        QFETCH(int, nSize);
        const QImage image = GetProgramIcon().pixmap(nSize, nSize).toImage();
        QCOMPARE(image.size(), QSize(nSize, nSize));
        // Card, border, digits and the transparent surround: blurred edges would add shades.
        QSet<QRgb> colours;
        int nRed = 0;
        for (int y = 0; y < nSize; ++y)
            for (int x = 0; x < nSize; ++x) {
                const QRgb rgb = image.pixel(x, y);
                colours.insert(rgb);
                if (qAlpha(rgb) == 255 && qRed(rgb) > 150 && qGreen(rgb) < 80) ++nRed;
            }
        QVERIFY2(colours.size() <= 4, qPrintable(QString::number(colours.size())));
        // Both digits are there, whole: 28 pixels of ink at 16, each doubled both ways at 24.
        QCOMPARE(nRed, nSize == 16 ? 28 : 4 * 28);
    }
};

QTEST_MAIN(ProgramIconTest)
#include "programicon_test.moc"
