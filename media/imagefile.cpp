#include "media/imagefile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdlib>

namespace {

quint32 Le(const QByteArray& ba, int nAt, int nBytes) {
    quint32 n = 0;
    for (int i = nBytes - 1; i >= 0; --i)
        n = (n << 8) | static_cast<unsigned char>(ba[nAt + i]);
    return n;
}

} // namespace

bool IsBitmapTruncated(const QByteArray& baHeader, qint64 nFileSize) {
    if (baHeader.size() < 26 || !baHeader.startsWith("BM")) return false;
    const quint32 nOffset = Le(baHeader, 10, 4);
    const quint32 nInfoSize = Le(baHeader, 14, 4);
    qint64 nWidth = 0;
    qint64 nHeight = 0;
    quint32 nBits = 0;
    quint32 nCompression = 0;
    if (nInfoSize == 12) {
        nWidth = Le(baHeader, 18, 2);
        nHeight = Le(baHeader, 20, 2);
        nBits = Le(baHeader, 24, 2);
    } else if (nInfoSize >= 40 && baHeader.size() >= 34) {
        nWidth = static_cast<qint32>(Le(baHeader, 18, 4));
        nHeight = std::llabs(static_cast<qint32>(Le(baHeader, 22, 4)));
        nBits = Le(baHeader, 28, 2);
        nCompression = Le(baHeader, 30, 4);
    } else {
        return false;
    }
    // Run-length and embedded formats have no fixed size to check against.
    if (nCompression != 0 && nCompression != 3 && nCompression != 6) return false;
    if (nWidth <= 0 || nBits == 0) return false;
    const qint64 nRow = (nWidth * nBits + 31) / 32 * 4;
    return nFileSize < static_cast<qint64>(nOffset) + nRow * nHeight;
}

bool ReadImageFile(const QString& strPath, QImage& image) {
    const QFileInfo info(strPath);
    // Devices and pipes could block or never end.
    if (strPath.isEmpty() || !info.isFile() || !info.isReadable()) return false;
    QImageReader::setAllocationLimit(kImageAllocationLimitMb);
    // Qt shows a cut-off bitmap with its missing rows blank rather than refusing it.
    {
        QFile file(strPath);
        if (!file.open(QIODevice::ReadOnly)) return false;
        if (IsBitmapTruncated(file.read(64), file.size())) return false;
    }
    QImageReader reader(strPath);
    const QSize size = reader.size();
    if (size.isValid() &&
        static_cast<qint64>(size.width()) * static_cast<qint64>(size.height()) > kMaxImagePixels)
        return false;
    QImage loaded;
    if (!reader.read(&loaded) || loaded.isNull()) return false;
    if (static_cast<qint64>(loaded.width()) * loaded.height() > kMaxImagePixels) return false;
    // The formats Qt paints fastest, so that a resize stays smooth.
    QImage converted = loaded.convertToFormat(
        loaded.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (converted.isNull()) return false;
    image = std::move(converted);
    return true;
}
