#include "play/programicon.h"

#include "play/paintedicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace {

const QColor kInk(40, 40, 40);
const QColor kRed(190, 20, 20);
const QColor kBackRed(200, 40, 40);

// "2" and "4" drawn pixel by pixel, 5 wide and 7 high: at 16 and 24 pixels a font's
// anti-aliased digits blur into a smudge, whole pixels stay sharp.
constexpr const char* kszaTwo[] = {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"};
constexpr const char* kszaFour[] = {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."};

void DrawGlyph(QPainter& painter, const char* const* pszaRows, int nLeft, int nTop, int nScale) {
    for (int nRow = 0; nRow < 7; ++nRow)
        for (int nColumn = 0; nColumn < 5; ++nColumn)
            if (pszaRows[nRow][nColumn] == '#')
                painter.fillRect(nLeft + nColumn * nScale, nTop + nRow * nScale, nScale, nScale,
                                 kRed);
}

// The simplified mark: one card, its border on whole pixels, and "24" as large as fits.
QPixmap DrawSmallCard(int nSize) {
    QPixmap pixmap(nSize, nSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const int nScale = nSize >= 24 ? 2 : 1;
    const int nGap = 1;
    const int nTextWidth = 10 * nScale + nGap;
    const int nTextHeight = 7 * nScale;
    // The card fills the height; it is wide enough for the digits, a pixel of white on
    // either side where there is room, and its border.
    const int nCardWidth = std::min(nSize, nTextWidth + 4);
    const QRect card((nSize - nCardWidth) / 2, 0, nCardWidth, nSize);
    painter.fillRect(card.adjusted(1, 1, -1, -1), Qt::white);
    painter.setPen(kInk);
    // Corners cut by one pixel read as rounded at this size.
    painter.drawLine(card.left() + 1, card.top(), card.right() - 1, card.top());
    painter.drawLine(card.left() + 1, card.bottom(), card.right() - 1, card.bottom());
    painter.drawLine(card.left(), card.top() + 1, card.left(), card.bottom() - 1);
    painter.drawLine(card.right(), card.top() + 1, card.right(), card.bottom() - 1);
    const int nTextLeft = card.left() + (card.width() - nTextWidth + 1) / 2;
    const int nTextTop = (nSize - nTextHeight) / 2;
    DrawGlyph(painter, kszaTwo, nTextLeft, nTextTop, nScale);
    DrawGlyph(painter, kszaFour, nTextLeft + 5 * nScale + nGap, nTextTop, nScale);
    return pixmap;
}

QPixmap DrawCard(int nSize) {
    QPixmap pixmap(nSize, nSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal dUnit = nSize / 16.0;
    // A second card behind the first gives the shape away.
    painter.setPen(QPen(kInk, qMax(1.0, dUnit * 0.6)));
    painter.setBrush(kBackRed);
    painter.drawRoundedRect(QRectF(dUnit * 5, dUnit * 0.5, dUnit * 10, dUnit * 13.5), dUnit * 1.5,
                            dUnit * 1.5);
    painter.setBrush(Qt::white);
    const QRectF front(dUnit * 1, dUnit * 2, dUnit * 10, dUnit * 13.5);
    painter.drawRoundedRect(front, dUnit * 1.5, dUnit * 1.5);
    QFont font;
    font.setBold(true);
    font.setPixelSize(qMax(6, static_cast<int>(dUnit * 7)));
    painter.setFont(font);
    painter.setPen(kRed);
    painter.drawText(front, Qt::AlignCenter, QStringLiteral("24"));
    return pixmap;
}

} // namespace

QIcon GetProgramIcon() {
    // Never shown greyed; the small sizes have a drawing of their own.
    static const QIcon icon = CPaintedIconEngine::MakeIcon(
        [](int nSize, bool) { return nSize < 32 ? DrawSmallCard(nSize) : DrawCard(nSize); },
        {16, 24, 32, 48, 64, 128, 256});
    return icon;
}
