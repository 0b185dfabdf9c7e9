// Draws a CBitmapBackground into a buffer the size of the window, so that the window copies
// it in one step (no flicker) and a repaint without a change or resize costs nothing.
// The main window holds one and calls Paint first in its paint event.
#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>

class CBitmapBackground;
class QPainter;

class CBackgroundPainter {
public:
    // The background for a client area of the given size.
    const QImage& Render(const CBitmapBackground& background, QSize size);
    void Paint(QPainter& painter, const CBitmapBackground& background, QSize size);

private:
    QImage m_buffer;
    const CBitmapBackground* m_pSource = nullptr;
    std::uint64_t m_nGeneration = 0;
};
