// Draws a CBitmapBackground. The main window holds one and calls Paint first in its paint
// event; the window's own double buffer keeps it from flickering, and the painter's clip
// limits a small repaint (the run clock, a caret) to the pixels it changes, so no copy of the
// whole window is kept here.
#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>

class CBitmapBackground;
class QPainter;

class CBackgroundPainter {
public:
    // The background for a client area of the given size, as Paint draws it.
    QImage Render(const CBitmapBackground& background, QSize size);
    void Paint(QPainter& painter, const CBitmapBackground& background, QSize size);

private:
    // A tiny picture repeated into a larger tile, kept while the picture stays the same.
    const QImage& Texture(const CBitmapBackground& background);

    QImage m_texture;
    const CBitmapBackground* m_pSource = nullptr;
    std::uint64_t m_nGeneration = 0;
};
