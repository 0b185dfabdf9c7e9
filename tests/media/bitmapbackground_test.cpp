// The main window's background without a window: placement of every display mode, the stored
// settings, pictures that must be refused, the painted buffer, dropped files and Cancel.
#include "core/registrystore.h"
#include "media/backgroundpainter.h"
#include "media/backgroundplacement.h"
#include "media/bitmapbackground.h"
#include "media/filedrop.h"
#include "media/imagefile.h"
#include "media/musicplayer.h"
#include "tests/support/fakeservices.h"
#include "tests/support/fakesoundplayer.h"
#include "tests/support/testfolders.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A picture whose pixels all differ, so that a misplaced copy shows.
QImage Pattern(int nWidth, int nHeight) {
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            image.setPixel(x, y, qRgb(40 * x % 256, 50 * y % 256, 100));
    return image;
}

QByteArray Le32(quint32 n) {
    QByteArray ba;
    for (int i = 0; i < 4; ++i)
        ba.append(static_cast<char>((n >> (8 * i)) & 0xFF));
    return ba;
}

// The header of a 24-bit bitmap claiming the given size, without the pixels.
QByteArray BitmapHeader(quint32 nWidth, quint32 nHeight) {
    const quint32 nRow = (nWidth * 3 + 3) / 4 * 4;
    QByteArray ba("BM");
    ba += Le32(54 + nRow * nHeight) + Le32(0) + Le32(54);
    ba += Le32(40) + Le32(nWidth) + Le32(nHeight);
    ba += QByteArray("\x01\x00\x18\x00", 4) + Le32(0) + Le32(nRow * nHeight);
    ba += Le32(2835) + Le32(2835) + Le32(0) + Le32(0);
    return ba;
}

TEST(BackgroundPlacement, EveryModeForAWindowAndAPicture) {
    const QSize area(100, 70);
    const QSize image(30, 20);
    auto Row = [&](int nTop) {
        return std::vector<QRect>{QRect(0, nTop, 30, 20), QRect(30, nTop, 30, 20),
                                  QRect(60, nTop, 30, 20), QRect(90, nTop, 30, 20)};
    };
    auto Column = [&](int nLeft) {
        return std::vector<QRect>{QRect(nLeft, 0, 30, 20), QRect(nLeft, 20, 30, 20),
                                  QRect(nLeft, 40, 30, 20), QRect(nLeft, 60, 30, 20)};
    };
    std::vector<QRect> tile;
    for (int nTop : {0, 20, 40, 60})
        for (const QRect& rect : Row(nTop))
            tile.push_back(rect);
    const std::vector<std::vector<QRect>> expected = {
        tile,
        {QRect(35, 25, 30, 20)},
        {QRect(0, 0, 100, 70)},
        Row(0),
        Row(50),
        Column(0),
        Column(70),
        {QRect(0, 0, 30, 20)},
        {QRect(70, 0, 30, 20)},
        {QRect(35, 0, 30, 20)},
        {QRect(0, 50, 30, 20)},
        {QRect(70, 50, 30, 20)},
        {QRect(35, 50, 30, 20)},
    };
    for (int nMode = 0; nMode <= 12; ++nMode)
        EXPECT_EQ(GetPlacementRects(nMode, area, image), expected[static_cast<size_t>(nMode)])
            << "mode " << nMode;

    // The repeating modes as one area: the copies' union within the window.
    for (int nMode = 0; nMode <= 12; ++nMode) {
        QRect bounds;
        const bool bRepeated = GetRepeatedPlacement(nMode, area, image, bounds);
        EXPECT_EQ(bRepeated, nMode == 0 || (nMode >= 3 && nMode <= 6)) << "mode " << nMode;
        if (!bRepeated) continue;
        QRect united;
        for (const QRect& rect : expected[static_cast<size_t>(nMode)])
            united = united.united(rect);
        EXPECT_EQ(bounds, united.intersected(QRect(QPoint(0, 0), area))) << "mode " << nMode;
        EXPECT_EQ(bounds.topLeft(), expected[static_cast<size_t>(nMode)].front().topLeft());
    }

    // A picture larger than the window: offsets go negative and round down.
    EXPECT_EQ(GetPlacementRects(1, QSize(20, 10), QSize(31, 13)),
              std::vector<QRect>{QRect(-6, -2, 31, 13)});
    EXPECT_EQ(GetPlacementRects(12, QSize(20, 10), QSize(31, 13)),
              std::vector<QRect>{QRect(-6, -3, 31, 13)});
    EXPECT_TRUE(GetPlacementRects(13, area, image).empty());
    EXPECT_TRUE(GetPlacementRects(0, area, QSize(0, 20)).empty());
    EXPECT_TRUE(GetPlacementRects(0, QSize(0, 0), image).empty());
}

class BitmapBackgroundTest : public ::testing::Test {
protected:
    BitmapBackgroundTest()
        : m_registry(m_folders.Home() + "/registry.ini", "software\\test"),
          m_background(&m_registry, m_folders.Scratch(), [this] { ++m_nRepaints; }) {
        QDir().mkpath(m_folders.Scratch() + "/images");
    }
    QString Picture(const QString& strName, QSize size = QSize(6, 4)) {
        const QString strPath = m_folders.Scratch() + "/" + strName;
        EXPECT_TRUE(Pattern(size.width(), size.height()).save(strPath));
        return strPath;
    }
    QString File(const QString& strName, const QByteArray& content) {
        const QString strPath = m_folders.Scratch() + "/" + strName;
        CTestFolders::WriteFile(strPath, content);
        return strPath;
    }

    CTestFolders m_folders;
    CRegistryStore m_registry;
    int m_nRepaints = 0;
    CBitmapBackground m_background;
};

TEST_F(BitmapBackgroundTest, StoredSettingsComeBackAsTheRulesSay) {
    const QString strShipped = Picture("images/back.bmp");
    const QString strOther = Picture("other.png", QSize(3, 3));
    struct Case {
        const char* szName;
        std::function<void(CRegistryStore&)> fnStore;
        bool bEnabled;
        int nMode;
        std::uint32_t nColor;
        QString strPath;
        bool bImage;
    };
    const std::vector<Case> cases = {
        {"nothing stored", [](CRegistryStore&) {}, true, 2, 0xC080FF, strShipped, true},
        {"Center becomes Tile",
         [](CRegistryStore& r) { r.WriteNumber("BackGround", "DisplayMode", 1); }, true, 0,
         0xC080FF, strShipped, true},
        {"mode 7 becomes Tile",
         [](CRegistryStore& r) { r.WriteNumber("BackGround", "DisplayMode", 7); }, true, 0,
         0xC080FF, strShipped, true},
        {"old section spelling",
         [](CRegistryStore& r) { r.WriteNumber("Background", "DisplayMode", 0); }, true, 0,
         0xC080FF, strShipped, true},
        {"image off",
         [](CRegistryStore& r) {
             r.WriteNumber("BackGround", "EnableImage", 0);
             r.WriteNumber("BackGround", "BkColor", 0x123456);
         },
         false, 2, 0x123456, QString(), false},
        {"missing file falls back to the last path",
         [&](CRegistryStore& r) {
             r.WriteText("BackGround", "FileName", m_folders.Scratch() + "/gone.bmp");
             r.WriteText("BackGround", "LastImagePath", strOther);
         },
         true, 2, 0xC080FF, strOther, true},
        {"missing file and no last path",
         [&](CRegistryStore& r) {
             r.WriteText("BackGround", "FileName", m_folders.Scratch() + "/gone.bmp");
         },
         true, 2, 0xC080FF, QString(), false},
    };
    for (const Case& c : cases) {
        QFile::remove(m_folders.Home() + "/registry.ini");
        c.fnStore(m_registry);
        CBitmapBackground background(&m_registry, m_folders.Scratch());
        background.LoadBackgroundSettings();
        EXPECT_EQ(background.IsImageEnabled(), c.bEnabled) << c.szName;
        EXPECT_EQ(background.GetDisplayMode(), c.nMode) << c.szName;
        EXPECT_EQ(background.GetBackgroundColor(), c.nColor) << c.szName;
        EXPECT_EQ(background.GetImagePath(), c.strPath) << c.szName;
        EXPECT_EQ(background.HasImage(), c.bImage) << c.szName;
    }

    // What is saved at close comes back at the next start.
    QFile::remove(m_folders.Home() + "/registry.ini");
    m_background.LoadBackgroundSettings();
    ASSERT_TRUE(m_background.LoadImageFile(strOther));
    EXPECT_EQ(m_background.SetDisplayMode(0, true), 0);
    m_background.SetBackgroundColor(0x0000FF);
    ASSERT_TRUE(m_background.SaveBackgroundSettings());
    CBitmapBackground restarted(&m_registry, m_folders.Scratch());
    restarted.LoadBackgroundSettings();
    EXPECT_EQ(restarted.GetImagePath(), strOther);
    EXPECT_EQ(restarted.GetDisplayMode(), 0);
    EXPECT_EQ(restarted.GetBackgroundColor(), 0x0000FFu);
    EXPECT_EQ(restarted.GetImage().size(), QSize(3, 3));
}

TEST_F(BitmapBackgroundTest, PicturesThatCannotBeShownChangeNothing) {
    const QString strGood = Picture("good.bmp", QSize(64, 64));
    QByteArray baGood;
    {
        QFile file(strGood);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        baGood = file.readAll();
    }
    QByteArray baPng;
    {
        const QString strPng = Picture("good.png", QSize(64, 64));
        QFile file(strPng);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        baPng = file.readAll();
    }
    const QString strUnreadable = File("locked.bmp", baGood);
    QFile::setPermissions(strUnreadable, QFileDevice::Permissions());
    const bool bRoot = QFile(strUnreadable).open(QIODevice::ReadOnly);
    struct Case {
        const char* szName;
        QString strPath;
    };
    std::vector<Case> cases = {
        {"text", File("notes.bmp", "just some words\n")},
        {"empty", File("empty.png", "")},
        {"truncated bitmap", File("half.bmp", baGood.left(54 + 10))},
        {"truncated png", File("half.png", baPng.left(baPng.size() / 2))},
        {"20000 x 20000", File("huge.bmp", BitmapHeader(20000, 20000))},
        {"missing", m_folders.Scratch() + "/gone.bmp"},
        {"folder", m_folders.Scratch() + "/images"},
        {"device", "/dev/zero"},
        {"empty name", QString()},
    };
    if (!bRoot) cases.push_back({"unreadable", strUnreadable});
    const QString strShown = Picture("shown.png", QSize(5, 5));
    ASSERT_TRUE(m_background.LoadImageFile(strShown));
    const qint64 nKey = m_background.GetImage().cacheKey();
    for (const Case& c : cases) {
        EXPECT_FALSE(m_background.LoadImageFile(c.strPath)) << c.szName;
        EXPECT_EQ(m_background.GetImagePath(), strShown) << c.szName;
        EXPECT_EQ(m_background.GetImage().cacheKey(), nKey) << c.szName;
    }
    EXPECT_TRUE(m_background.LoadImageFile(strGood));
    EXPECT_EQ(m_background.GetImage().size(), QSize(64, 64));
}

TEST_F(BitmapBackgroundTest, ModesColourAndReset) {
    const QString strShipped = Picture("images/back.bmp", QSize(8, 8));
    const QString strOther = Picture("other.png");
    ASSERT_TRUE(m_background.LoadImageFile(strOther));
    EXPECT_EQ(m_background.SetDisplayMode(12, false), 0);
    EXPECT_EQ(m_background.SetDisplayMode(13, true), 2);
    EXPECT_EQ(m_background.SetDisplayMode(-1, true), 2);
    EXPECT_EQ(m_background.GetDisplayMode(), 12);

    m_background.SetImageEnabled(false);
    EXPECT_FALSE(m_background.HasImage());
    EXPECT_TRUE(m_background.GetImagePath().isEmpty());
    m_background.SetImageEnabled(true); // back on: the picture shown before
    EXPECT_EQ(m_background.GetImagePath(), strOther);
    EXPECT_TRUE(m_background.HasImage());

    m_background.ResetBackground();
    EXPECT_EQ(m_background.GetDisplayMode(), 2);
    EXPECT_TRUE(m_background.IsImageEnabled());
    EXPECT_EQ(m_background.GetImagePath(), strShipped);
    EXPECT_EQ(m_background.GetImage().size(), QSize(8, 8));
    EXPECT_EQ(m_background.GetBackgroundColor(), 0xC0C0C0u);

    QFile::remove(strShipped);
    m_background.ResetBackground();
    EXPECT_FALSE(m_background.HasImage());
    EXPECT_TRUE(m_background.GetImagePath().isEmpty());
    EXPECT_GT(m_nRepaints, 0);
}

TEST_F(BitmapBackgroundTest, PainterDrawsEveryModeAsPlaced) {
    CBackgroundPainter painter;
    // Image off: the colour alone, in the store's layout (red in the low byte).
    m_background.LoadBackgroundSettings();
    m_background.SetImageEnabled(false);
    const QImage& plain = painter.Render(m_background, QSize(40, 30));
    EXPECT_EQ(plain.pixel(0, 0), qRgb(255, 128, 192));
    EXPECT_EQ(plain.pixel(39, 29), qRgb(255, 128, 192));

    const QImage pattern = Pattern(7, 5);
    ASSERT_TRUE(m_background.LoadImageFile(Picture("pattern.bmp", QSize(7, 5))));
    const QSize area(150, 97); // larger than the tile a tiny picture is repeated into
    for (int nMode = 0; nMode <= 12; ++nMode) {
        if (nMode == 2) continue;
        m_background.SetDisplayMode(nMode, true);
        QImage expected(area, QImage::Format_RGB32);
        expected.fill(QColor(255, 128, 192));
        {
            QPainter naive(&expected);
            for (const QRect& rect : GetPlacementRects(nMode, area, pattern.size()))
                naive.drawImage(rect.topLeft(), pattern);
        }
        EXPECT_EQ(painter.Render(m_background, area), expected) << "mode " << nMode;
    }
    m_background.SetDisplayMode(2, true);
    const QImage& stretched = painter.Render(m_background, QSize(70, 50));
    EXPECT_EQ(stretched.pixel(0, 0), pattern.pixel(0, 0));
    EXPECT_EQ(stretched.pixel(69, 49), pattern.pixel(6, 4));
}

TEST_F(BitmapBackgroundTest, CancelPutsBackWhatTheDialogChanged) {
    const QString strFirst = Picture("first.png");
    const QString strSecond = Picture("second.png", QSize(9, 9));
    ASSERT_TRUE(m_background.LoadImageFile(strFirst));
    m_background.SetDisplayMode(0, true);
    auto Change = [&] {
        m_background.LoadImageFile(strSecond);
        m_background.SetDisplayMode(2, true);
        m_background.SetBackgroundColor(0x00FF00);
    };
    m_background.RunBackgroundCommand([&] {
        Change();
        return false;
    });
    EXPECT_EQ(m_background.GetImagePath(), strFirst);
    EXPECT_EQ(m_background.GetImage().size(), QSize(6, 4));
    EXPECT_EQ(m_background.GetDisplayMode(), 0);
    EXPECT_EQ(m_background.GetBackgroundColor(), kDefaultBackColor);

    // Switched off in the dialog, then cancelled: the picture is back.
    m_background.RunBackgroundCommand([&] {
        m_background.SetImageEnabled(false);
        return false;
    });
    EXPECT_TRUE(m_background.IsImageEnabled());
    EXPECT_EQ(m_background.GetImagePath(), strFirst);
    EXPECT_TRUE(m_background.HasImage());

    m_background.RunBackgroundCommand([&] {
        Change();
        return true;
    });
    EXPECT_EQ(m_background.GetImagePath(), strSecond);
    EXPECT_EQ(m_background.GetDisplayMode(), 2);
    EXPECT_EQ(m_background.GetBackgroundColor(), 0x00FF00u);
}

TEST_F(BitmapBackgroundTest, DroppedFiles) {
    FakeServices fakes;
    FakeSoundPlayer sound;
    CServices services = fakes.Services();
    services.pSound = &sound;
    CMusicPlayer player(services, CMusicPaths{m_folders.Scratch(), m_folders.Home() + "/music.ini",
                                              m_folders.Scratch() + "/defaultmusic.ini"});
    CFileDrop drop(m_background, &player);
    const QString strText = File("readme.txt", "words");
    const QString strFakeBmp = File("fake.bmp", "not a picture");
    const QString strBitmap = Picture("dropped.bmp");
    const QString strPng = Picture("dropped.png", QSize(2, 2));
    const QString strMidi = File("tune.mid", "MThd");
    const QString strWave = File("tune.wav", "RIFF");
    const QString strFolder = m_folders.Scratch() + "/images";
    struct Case {
        const char* szName;
        QStringList saNames;
        int nResult;
        QString strImage; // the background afterwards; empty: unchanged
        QString strMusic; // the general track afterwards; empty: unchanged
    };
    const std::vector<Case> cases = {
        {"text and bitmap", {strText, strBitmap}, kDropImage, strBitmap, {}},
        {"only a midi file", {strMidi}, kDropMusic, {}, strMidi},
        {"a folder", {strFolder}, kDropNothing, {}, {}},
        {"broken picture, then a good one",
         {strFakeBmp, " " + strPng + "\n"},
         kDropImage,
         strPng,
         {}},
        {"music first, picture later", {strWave, strBitmap}, kDropImage, strBitmap, {}},
        {"nothing usable, music last", {strText, strFolder, strWave}, kDropMusic, {}, strWave},
        {"names of nothing", {m_folders.Scratch() + "/gone.bmp", QString()}, kDropNothing, {}, {}},
    };
    const QString strStart = Picture("start.png", QSize(4, 4));
    for (const Case& c : cases) {
        ASSERT_TRUE(m_background.LoadImageFile(strStart));
        player.Settings().Slot(MusicContext::General).m_strPath = "before.mid";
        EXPECT_EQ(drop.HandleDrop(c.saNames), c.nResult) << c.szName;
        EXPECT_EQ(m_background.GetImagePath(), c.strImage.isEmpty() ? strStart : c.strImage)
            << c.szName;
        EXPECT_TRUE(m_background.IsImageEnabled()) << c.szName;
        EXPECT_EQ(player.Settings().Slot(MusicContext::General).m_strPath,
                  c.strMusic.isEmpty() ? QString("before.mid") : c.strMusic)
            << c.szName;
    }
}

} // namespace
