#include "media/backgroundpainter.h"

#include "media/backgroundplacement.h"
#include "media/bitmapbackground.h"

#include <QBrush>
#include <QPainter>

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
    const std::vector<QRect> rects =
        GetPlacementRects(background.GetDisplayMode(), size, image.size());
    QPainter painter(&m_buffer);
    if (rects.size() == 1) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rects.front(), image);
    } else if (!rects.empty()) {
        // The copies of a row, column or tiling lie edge to edge, so one textured fill draws
        // them all; a tiny picture in a large window stays one call instead of millions.
        QRect bounds;
        for (const QRect& rect : rects)
            bounds = bounds.united(rect);
        QBrush brush(image);
        brush.setTransform(QTransform::fromTranslate(rects.front().x(), rects.front().y()));
        painter.fillRect(bounds, brush);
    }
    return m_buffer;
}

void CBackgroundPainter::Paint(QPainter& painter, const CBitmapBackground& background, QSize size) {
    const QImage& buffer = Render(background, size);
    if (!buffer.isNull()) painter.drawImage(QPoint(0, 0), buffer);
}
