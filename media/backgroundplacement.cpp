#include "media/backgroundplacement.h"

namespace {

void AddRow(std::vector<QRect>& rects, int nTop, int nAreaWidth, QSize image) {
    for (int nX = 0; nX < nAreaWidth; nX += image.width())
        rects.emplace_back(QPoint(nX, nTop), image);
}

void AddColumn(std::vector<QRect>& rects, int nLeft, int nAreaHeight, QSize image) {
    for (int nY = 0; nY < nAreaHeight; nY += image.height())
        rects.emplace_back(QPoint(nLeft, nY), image);
}

// Halves rounded down, also for negative differences.
int HalfDown(int nValue) {
    return nValue >= 0 ? nValue / 2 : -((-nValue + 1) / 2);
}

} // namespace

std::vector<QRect> GetPlacementRects(int nMode, QSize area, QSize image) {
    std::vector<QRect> rects;
    if (area.isEmpty() || image.isEmpty()) return rects;
    const int nW = area.width();
    const int nH = area.height();
    const int nRight = nW - image.width();
    const int nBottom = nH - image.height();
    switch (nMode) {
    case 0:
        for (int nY = 0; nY < nH; nY += image.height())
            AddRow(rects, nY, nW, image);
        break;
    case 1:
        rects.emplace_back(QPoint(HalfDown(nRight), HalfDown(nBottom)), image);
        break;
    case 2:
        rects.emplace_back(QPoint(0, 0), area);
        break;
    case 3:
        AddRow(rects, 0, nW, image);
        break;
    case 4:
        AddRow(rects, nBottom, nW, image);
        break;
    case 5:
        AddColumn(rects, 0, nH, image);
        break;
    case 6:
        AddColumn(rects, nRight, nH, image);
        break;
    case 7:
        rects.emplace_back(QPoint(0, 0), image);
        break;
    case 8:
        rects.emplace_back(QPoint(nRight, 0), image);
        break;
    case 9:
        rects.emplace_back(QPoint(HalfDown(nRight), 0), image);
        break;
    case 10:
        rects.emplace_back(QPoint(0, nBottom), image);
        break;
    case 11:
        rects.emplace_back(QPoint(nRight, nBottom), image);
        break;
    case 12:
        rects.emplace_back(QPoint(HalfDown(nRight), nBottom), image);
        break;
    default:
        break;
    }
    return rects;
}

bool GetRepeatedPlacement(int nMode, QSize area, QSize image, QRect& bounds) {
    if (area.isEmpty() || image.isEmpty()) return false;
    const int nW = area.width();
    const int nH = area.height();
    switch (nMode) {
    case 0:
        bounds = QRect(0, 0, nW, nH);
        return true;
    case 3:
        bounds = QRect(0, 0, nW, image.height());
        return true;
    case 4:
        bounds = QRect(0, nH - image.height(), nW, image.height());
        return true;
    case 5:
        bounds = QRect(0, 0, image.width(), nH);
        return true;
    case 6:
        bounds = QRect(nW - image.width(), 0, image.width(), nH);
        return true;
    default:
        return false;
    }
}
