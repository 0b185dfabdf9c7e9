// Reading a picture file for the background: any format Qt reads, within a size that decodes
// in a moment and fits in memory.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Larger pictures are refused before they are decoded.
inline constexpr qint64 kMaxImagePixels = 25'000'000;
// Qt's own guard for formats that do not tell their size up front, in megabytes.
inline constexpr int kImageAllocationLimitMb = 128;

// False, with image untouched, for a missing, unreadable, damaged, oversized or non-picture file.
bool ReadImageFile(const QString& strPath, QImage& image);

// True when a bitmap's header promises more pixel rows than the file holds.
bool IsBitmapTruncated(const QByteArray& baHeader, qint64 nFileSize);
