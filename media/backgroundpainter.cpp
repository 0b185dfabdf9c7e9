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

const QImage& CBackgroundPainter::Render(const CBitmapBackground& background, QSize size) {
    if (size.isEmpty()) {
        m_buffer = QImage();
        return m_buffer;
    }
    if (m_buffer.size() == size && m_pSource == &background &&
        m_nGeneration == background.GetGeneration())
        return m_buffer;
    m_pSource = &background;
    m_nGeneration = background.GetGeneration();
    if (m_buffer.size() != size) m_buffer = QImage(size, QImage::Format_RGB32);
    m_buffer.fill(ColorRefToQColor(background.GetBackgroundColor()));
    if (!background.HasImage()) return m_buffer;

    const QImage& image = background.GetImage();
    QPainter painter(&m_buffer);
    QRect bounds;
    if (GetRepeatedPlacement(background.GetDisplayMode(), size, image.size(), bounds)) {
        // The copies lie edge to edge, so one textured fill draws them all.
        QBrush brush(TextureOf(image));
        brush.setTransform(QTransform::fromTranslate(bounds.x(), bounds.y()));
        painter.fillRect(bounds, brush);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (const QRect& rect : GetPlacementRects(background.GetDisplayMode(), size, image.size()))
            painter.drawImage(rect, image);
    }
    return m_buffer;
}

void CBackgroundPainter::Paint(QPainter& painter, const CBitmapBackground& background, QSize size) {
    const QImage& buffer = Render(background, size);
    if (!buffer.isNull()) painter.drawImage(QPoint(0, 0), buffer);
}
