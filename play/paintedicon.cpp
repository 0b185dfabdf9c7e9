#include "play/paintedicon.h"

#include <QPainter>

#include <algorithm>

CPaintedIconEngine::CPaintedIconEngine(Painter fnPaint, QList<int> naSizes)
    : m_fnPaint(std::move(fnPaint)), m_naSizes(std::move(naSizes)),
      m_pCache(std::make_shared<std::map<std::pair<int, bool>, QPixmap>>()) {
    std::sort(m_naSizes.begin(), m_naSizes.end());
}

QIcon CPaintedIconEngine::MakeIcon(Painter fnPaint, QList<int> naSizes) {
    return QIcon(new CPaintedIconEngine(std::move(fnPaint), std::move(naSizes)));
}

int CPaintedIconEngine::ChooseSize(const QSize& size) const {
    if (m_naSizes.isEmpty()) return 0;
    const int nWanted = std::max(1, std::min(size.width(), size.height()));
    for (const int nSize : m_naSizes)
        if (nSize >= nWanted) return nSize;
    return m_naSizes.last();
}

QPixmap CPaintedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
    const int nSize = ChooseSize(size);
    if (nSize == 0 || size.isEmpty()) return QPixmap();
    const std::pair<int, bool> key{nSize, mode == QIcon::Disabled};
    auto it = m_pCache->find(key);
    if (it == m_pCache->end()) it = m_pCache->emplace(key, m_fnPaint(nSize, key.second)).first;
    const QPixmap& drawn = it->second;
    // Like Qt's own icons: a larger picture is scaled down to fit, a smaller one kept.
    if (drawn.width() > size.width() || drawn.height() > size.height())
        return drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return drawn;
}

void CPaintedIconEngine::paint(QPainter* pPainter, const QRect& rect, QIcon::Mode mode,
                               QIcon::State state) {
    const qreal dRatio = pPainter->device() ? pPainter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * dRatio, mode, state);
    drawn.setDevicePixelRatio(dRatio);
    const QSize shown = drawn.size() / dRatio;
    pPainter->drawPixmap(
        QRect(rect.center() - QPoint(shown.width() / 2, shown.height() / 2), shown), drawn);
}

QSize CPaintedIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const int nSize = ChooseSize(size);
    return QSize(nSize, nSize).boundedTo(size);
}

QList<QSize> CPaintedIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const int nSize : m_naSizes)
        sizes.append(QSize(nSize, nSize));
    return sizes;
}

QIconEngine* CPaintedIconEngine::clone() const {
    return new CPaintedIconEngine(*this);
}
