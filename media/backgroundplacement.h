// Where the copies of a picture go in the window for each display mode (0 Tile, 1 Center,
// 2 Stretch, 3..12 rows, columns and single copies along the edges and corners).
#pragma once

#include <QRect>
#include <QSize>

#include <vector>

// The target rectangles of a picture of size image in an area of size area; the whole area for
// Stretch. Empty for an empty picture or area and for a mode outside 0..12.
std::vector<QRect> GetPlacementRects(int nMode, QSize area, QSize image);

// For the modes that repeat the picture (Tile, the edge rows and columns): the area all copies
// cover, clipped to the window, its top-left corner being that of the first copy. False for
// the other modes. Saves listing millions of copies of a tiny picture.
bool GetRepeatedPlacement(int nMode, QSize area, QSize image, QRect& bounds);
