#include "media/backgroundpainter.h"

#include "media/backgroundplacement.h"
#include "media/bitmapbackground.h"

#include <QBrush>
#include <QPainter>

namespace {

// A texture brush walks its picture pixel by pixel; a tiny picture is first repeated into a
// larger tile, which looks the same and fills a large window far faster.
QImage TextureOf(const QImage& image) {
    constexpr int kMinSide = 64;
    if (image.width() >= kMinSide && image.height() >= kMinSide) return image;
    const int nWidth = (kMinSide + image.width() - 1) / image.width() * image.width();
    const int nHeight = (kMinSide + image.height() - 1) / image.height() * image.height();
    QImage tile(nWidth, nHeight, image.format());
    QPainter painter(&tile);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(tile.rect(), QBrush(image));
    return tile;
}

} // namespace

const QImage& CBackgroundPainter::Texture(const CBitmapBackground& background) {
    if (m_pSource != &background || m_nGeneration != background.GetGeneration()) {
        m_pSource = &background;
        m_nGeneration = background.GetGeneration();
        m_texture = TextureOf(background.GetImage());
    }
    return m_texture;
}

QImage CBackgroundPainter::Render(const CBitmapBackground& background, QSize size) {
    if (size.isEmpty()) return QImage();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    Paint(painter, background, size);
    return image;
}

void CBackgroundPainter::Paint(QPainter& painter, const CBitmapBackground& background, QSize size) {
    if (size.isEmpty()) return;
    painter.fillRect(QRect(QPoint(0, 0), size), ColorRefToQColor(background.GetBackgroundColor()));
    if (!background.HasImage()) return;

    const QImage& image = background.GetImage();
    QRect bounds;
    if (GetRepeatedPlacement(background.GetDisplayMode(), size, image.size(), bounds)) {
        // The copies lie edge to edge, so one textured fill draws them all.
        QBrush brush(Texture(background));
        brush.setTransform(QTransform::fromTranslate(bounds.x(), bounds.y()));
        painter.fillRect(bounds, brush);
    } else {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const QRect& rect : GetPlacementRects(background.GetDisplayMode(), size, image.size()))
            painter.drawImage(rect, image);
        painter.restore();
    }
}
