// What the background costs the main window: drawing the whole window after a change or
// resize, redrawing the small area of the run clock once a second, reading the largest
// picture accepted, and refusing a picture whose header claims 20000 x 20000 pixels.
#include "media/backgroundpainter.h"
#include "media/bitmapbackground.h"
#include "media/imagefile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString WritePicture(const QTemporaryDir& folder, const QString& strName, int nSide) {
    QImage image(nSide, nSide, QImage::Format_RGB32);
    for (int y = 0; y < nSide; ++y)
        for (int x = 0; x < nSide; ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, ((x + y) * 3) & 0xFF));
    const QString strPath = folder.filePath(strName);
    image.save(strPath);
    return strPath;
}

// Arguments: display mode, side of the square picture; the window is 1920 x 1080.
void BM_RenderBackground(benchmark::State& state) {
    QTemporaryDir folder;
    const QString strPath = WritePicture(folder, "picture.bmp", static_cast<int>(state.range(1)));
    CBitmapBackground background(nullptr, folder.path());
    background.LoadImageFile(strPath);
    CBackgroundPainter painter;
    const int nMode = static_cast<int>(state.range(0));
    for (auto _ : state) {
        background.SetDisplayMode(nMode, false);
        benchmark::DoNotOptimize(painter.Render(background, QSize(1920, 1080)).constBits());
    }
}
BENCHMARK(BM_RenderBackground)
    ->Args({0, 1})
    ->Args({0, 128})
    ->Args({2, 128})
    ->Args({2, 1600})
    ->Unit(benchmark::kMillisecond);

// The clock's tick repaints a 120 x 24 corner of a 1920 x 1080 window; the painter's clip keeps
// the stretched picture's scaling to those pixels.
void BM_RepaintClockArea(benchmark::State& state) {
    QTemporaryDir folder;
    const QString strPath = WritePicture(folder, "picture.bmp", static_cast<int>(state.range(1)));
    CBitmapBackground background(nullptr, folder.path());
    background.LoadImageFile(strPath);
    background.SetDisplayMode(static_cast<int>(state.range(0)), false);
    CBackgroundPainter painter;
    const QSize window(1920, 1080);
    QImage target(window, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter clock(&target);
        clock.setClipRect(QRect(1800, 0, 120, 24));
        painter.Paint(clock, background, window);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_RepaintClockArea)->Args({0, 128})->Args({2, 128})->Args({2, 1600});

void BM_ReadLargestAcceptedPicture(benchmark::State& state) {
    QTemporaryDir folder;
    const QString strPath = WritePicture(folder, "large.jpg", 5000); // 25 million pixels
    for (auto _ : state) {
        QImage image;
        benchmark::DoNotOptimize(ReadImageFile(strPath, image));
    }
}
BENCHMARK(BM_ReadLargestAcceptedPicture)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RefuseHugePicture(benchmark::State& state) {
    QTemporaryDir folder;
    const QString strPath = folder.filePath("huge.png");
    // A real 20000 x 20000 picture, mostly one colour, so the file stays small.
    {
        QImage image(20000, 20000, QImage::Format_Mono);
        image.fill(0);
        image.save(strPath);
    }
    for (auto _ : state) {
        QImage image;
        benchmark::DoNotOptimize(ReadImageFile(strPath, image));
    }
}
BENCHMARK(BM_RefuseHugePicture)->Unit(benchmark::kMillisecond);

} // namespace
