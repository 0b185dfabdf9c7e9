// The Background dialog on a live background: controls follow the check box, Browse with the
// drag tip and its "Show this message next time" box, the colour, Reset, OK and Cancel; and a
// window painted with the painter behind its controls.
#include "core/registrystore.h"
#include "media/backgrounddialog.h"
#include "media/backgroundpainter.h"
#include "media/bitmapbackground.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace {

// A stand-in for the main window: it holds a painter and paints the background first.
class PaintedWindow : public QWidget {
public:
    explicit PaintedWindow(CBitmapBackground& background) : m_background(background) {
        auto* pLayout = new QVBoxLayout(this);
        pLayout->addWidget(new QLabel(QStringLiteral("3  3  8  8"), this));
        pLayout->addStretch(1);
        pLayout->addWidget(new QPushButton(QStringLiteral("Check Solution"), this));
        m_background.SetRepaint([this] { update(); });
    }
    ~PaintedWindow() override { m_background.SetRepaint({}); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_painter.Paint(painter, m_background, size());
    }

private:
    CBitmapBackground& m_background;
    CBackgroundPainter m_painter;
};

} // namespace

class BackgroundDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestFolders> m_pFolders;
    std::unique_ptr<FakeServices> m_pFakes;
    std::unique_ptr<CRegistryStore> m_pRegistry;
    std::unique_ptr<CBitmapBackground> m_pBackground;

    QString Picture(const QString& strName, QSize size, QColor color) {
        const QString strPath = m_pFolders->Scratch() + "/" + strName;
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        image.save(strPath);
        return strPath;
    }
    std::unique_ptr<CBackgroundDialog> Dialog() {
        return std::make_unique<CBackgroundDialog>(*m_pBackground, &m_pFakes->files,
                                                   &m_pFakes->messages, QStringLiteral("Tetralyx"));
    }

private slots:
    void init() {
        m_pFolders = std::make_unique<CTestFolders>();
        m_pFakes = std::make_unique<FakeServices>();
        m_pRegistry = std::make_unique<CRegistryStore>(m_pFolders->Home() + "/registry.ini",
                                                       "software\\test");
        QDir().mkpath(m_pFolders->Scratch() + "/images");
        Picture("images/back.bmp", QSize(16, 16), Qt::white);
        m_pBackground =
            std::make_unique<CBitmapBackground>(m_pRegistry.get(), m_pFolders->Scratch());
        m_pBackground->LoadBackgroundSettings();
    }
    void cleanup() {
        m_pBackground.reset();
        m_pRegistry.reset();
        m_pFolders.reset();
    }

    void controlsFollowTheCheckBox() {
        auto pDialog = Dialog();
        const QString strShots = qEnvironmentVariable("TETRALYX_SCREENSHOT_DIR");
        if (!strShots.isEmpty()) pDialog->grab().save(strShots + "/background-dialog.png");
        QVERIFY(pDialog->GetEnableBox()->isChecked());
        QVERIFY(pDialog->GetModeButton(2)->isChecked());
        QVERIFY(pDialog->GetModeButton(1)->isHidden());
        QCOMPARE(pDialog->GetPathBox()->text(), m_pBackground->GetDefaultImage());
        pDialog->GetEnableBox()->click();
        QVERIFY(!m_pBackground->IsImageEnabled());
        QVERIFY(!m_pBackground->HasImage());
        QVERIFY(pDialog->GetPathBox()->text().isEmpty());
        QVERIFY(!pDialog->GetBrowseButton()->isEnabled());
        QVERIFY(!pDialog->GetModeButton(0)->isEnabled());
        pDialog->GetEnableBox()->click();
        QVERIFY(pDialog->GetBrowseButton()->isEnabled());
        QVERIFY(m_pBackground->HasImage());

        pDialog->GetModeButton(0)->click(); // shows at once
        QCOMPARE(m_pBackground->GetDisplayMode(), 0);
    }

    void browseShowsTheTipUntilItIsTurnedOff() {
        const QString strRed = Picture("red.png", QSize(4, 4), Qt::red);
        m_pFakes->files.m_strOpenAnswer = strRed;
        m_pFakes->messages.Script(KV_IDOK, false); // untick "Show this message next time"
        auto pDialog = Dialog();
        pDialog->GetBrowseButton()->click();
        QCOMPARE(m_pBackground->GetImagePath(), strRed);
        QCOMPARE(pDialog->GetPathBox()->text(), strRed);
        QCOMPARE(m_pFakes->files.m_saStartPaths.value(0), m_pBackground->GetDefaultImage());
        QCOMPARE(m_pFakes->messages.m_requests.size(), size_t(1));
        const MessageRequest& tip = m_pFakes->messages.m_requests[0];
        QVERIFY(tip.bShowCheck && tip.bCheck);
        QVERIFY(tip.strMessage.contains("Tetralyx"));
        QCOMPARE(m_pRegistry->ReadNumber("BackGround", "PromptDrag", 1), 0);

        pDialog->GetBrowseButton()->click(); // no tip any more
        QCOMPARE(m_pFakes->messages.m_requests.size(), size_t(1));

        // A file that is no picture is refused with a message and changes nothing.
        const QString strText = m_pFolders->Scratch() + "/notes.bmp";
        CTestFolders::WriteFile(strText, "words");
        m_pFakes->files.m_strOpenAnswer = strText;
        pDialog->GetBrowseButton()->click();
        QCOMPARE(m_pBackground->GetImagePath(), strRed);
        QCOMPARE(pDialog->GetPathBox()->text(), strRed);
        QCOMPARE(m_pFakes->messages.m_requests.size(), size_t(2));
        QVERIFY(m_pFakes->messages.m_requests[1].strMessage.contains(strText));
    }

    void cancelAfterBrowsingRestoresAndOkKeeps() {
        const QString strShipped = m_pBackground->GetImagePath();
        const QString strRed = Picture("red.png", QSize(4, 4), Qt::red);
        m_pFakes->files.m_strOpenAnswer = strRed;
        m_pFakes->files.m_bColorChosen = true;
        m_pFakes->files.m_nColorAnswer = 0x102030; // 0xRRGGBB from the chooser
        m_pBackground->SetDisplayMode(0, false);
        std::uint32_t nColorInDialog = 0;
        m_pBackground->RunBackgroundCommand([&] {
            auto pDialog = Dialog();
            pDialog->GetBrowseButton()->click();
            pDialog->GetModeButton(2)->click();
            pDialog->GetColorButton()->click();
            nColorInDialog = m_pBackground->GetBackgroundColor();
            pDialog->reject();
            return pDialog->result() == QDialog::Accepted;
        });
        QCOMPARE(nColorInDialog, 0x302010u);
        QCOMPARE(m_pBackground->GetImagePath(), strShipped);
        QCOMPARE(m_pBackground->GetImage().pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(m_pBackground->GetDisplayMode(), 0);
        QCOMPARE(m_pBackground->GetBackgroundColor(), kDefaultBackColor);

        bool bResetShowsStretch = false;
        m_pBackground->RunBackgroundCommand([&] {
            auto pDialog = Dialog();
            pDialog->GetResetButton()->click();
            bResetShowsStretch = pDialog->GetModeButton(2)->isChecked();
            pDialog->GetBrowseButton()->click();
            pDialog->GetModeButton(0)->click();
            pDialog->accept();
            return pDialog->result() == QDialog::Accepted;
        });
        QVERIFY(bResetShowsStretch);
        QCOMPARE(m_pBackground->GetImagePath(), strRed);
        QCOMPARE(m_pBackground->GetDisplayMode(), 0);
        QCOMPARE(m_pBackground->GetBackgroundColor(), kResetBackColor);
    }

    void windowPaintsTheBackgroundBehindItsControls() {
        const QString strShipped = QStringLiteral(TETRALYX_DATA_FOLDER "/images/back.bmp");
        QVERIFY(m_pBackground->LoadImageFile(strShipped));
        PaintedWindow window(*m_pBackground);
        window.resize(420, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString strShots = qEnvironmentVariable("TETRALYX_SCREENSHOT_DIR");
        const QImage shipped = m_pBackground->GetImage();
        for (int nMode : {0, 2}) {
            m_pBackground->SetDisplayMode(nMode, true);
            const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
            if (!strShots.isEmpty())
                shot.save(strShots + QStringLiteral("/background-mode%1.png").arg(nMode));
            // The bottom-right corner lies under no control.
            const QPoint corner(window.width() - 2, window.height() - 2);
            if (nMode == 0)
                QCOMPARE(shot.pixel(corner), shipped.pixel(corner.x() % shipped.width(),
                                                           corner.y() % shipped.height()));
            else
                QVERIFY(shot.pixel(corner) != qRgb(255, 128, 192));
        }
        m_pBackground->SetImageEnabled(false);
        const QImage plain = window.grab().toImage();
        QCOMPARE(plain.pixel(window.width() - 2, window.height() - 2), qRgb(255, 128, 192));
    }
};

QTEST_MAIN(BackgroundDialogTest)
#include "backgrounddialog_test.moc"
