#include "play/cardview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr double kAspect = 1.4; // height / width of a card
constexpr double kGap = 14.0;

// One suit per place, so that equal values still look like four cards.
struct Suit {
    const char* szSymbol;
    QColor color;
};
const std::array<Suit, 4> kSuits = {
    Suit{"\u2660", QColor(0x22, 0x2a, 0x36)}, Suit{"\u2665", QColor(0xc6, 0x28, 0x28)},
    Suit{"\u2663", QColor(0x22, 0x2a, 0x36)}, Suit{"\u2666", QColor(0xc6, 0x28, 0x28)}};

} // namespace

CCardView::CCardView(QWidget* pParent) : QWidget(pParent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setCursor(Qt::PointingHandCursor);
}

QString CCardView::GetRank(const QString& strValue) {
    const QString strTrimmed = strValue.trimmed();
    if (strTrimmed.isEmpty() || strTrimmed.size() > 2 || strTrimmed.startsWith('0')) return {};
    for (const QChar ch : strTrimmed)
        if (ch < '0' || ch > '9') return {};
    const int nValue = strTrimmed.toInt();
    static const char* const szaRanks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                           "8", "9", "10", "J", "Q", "K"};
    return nValue >= 1 && nValue <= 13 ? QString::fromLatin1(szaRanks[nValue - 1]) : QString();
}

void CCardView::SetValues(const std::array<QString, 4>& saValues) {
    std::array<QString, 4> saRanks;
    for (size_t n = 0; n < 4; ++n)
        saRanks[n] = GetRank(saValues[n]);
    if (saRanks == m_saRanks) return;
    m_saRanks = saRanks;
    update();
}

QSize CCardView::sizeHint() const {
    return {4 * 78 + 3 * static_cast<int>(kGap), static_cast<int>(78 * kAspect) + 8};
}

QSize CCardView::minimumSizeHint() const {
    return {4 * 48 + 3 * static_cast<int>(kGap), static_cast<int>(48 * kAspect) + 8};
}

QRectF CCardView::CardRect(int nIndex) const {
    const double dHeight = height() - 8.0;
    double dWidth = std::min(dHeight / kAspect, (width() - 3 * kGap) / 4.0);
    const double dCardHeight = dWidth * kAspect;
    const double dTotal = 4 * dWidth + 3 * kGap;
    const double dLeft = (width() - dTotal) / 2.0;
    return {dLeft + nIndex * (dWidth + kGap), (height() - dCardHeight) / 2.0, dWidth, dCardHeight};
}

void CCardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int n = 0; n < 4; ++n) {
        const QRectF rect = CardRect(n);
        const double dRadius = rect.width() * 0.1;
        const QString& strRank = m_saRanks[static_cast<size_t>(n)];
        if (strRank.isEmpty()) {
            QPen pen(QColor(0x9a, 0xa5, 0xb1), 1.5, Qt::DashLine);
            painter.setPen(pen);
            painter.setBrush(QColor(255, 255, 255, 60));
            painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), dRadius, dRadius);
            continue;
        }
        const Suit& suit = kSuits[static_cast<size_t>(n)];
        // A soft shadow under a white card with a thin border.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(rect.translated(1.5, 2.0), dRadius, dRadius);
        painter.setBrush(Qt::white);
        painter.setPen(QPen(QColor(0xc9, 0xd1, 0xda), 1.0));
        painter.drawRoundedRect(rect, dRadius, dRadius);

        painter.setPen(suit.color);
        QFont font = this->font();
        font.setBold(true);
        font.setPixelSize(std::max(8, static_cast<int>(rect.width() * 0.2)));
        painter.setFont(font);
        const QString strCorner = strRank + "\n" + QString::fromUtf8(suit.szSymbol);
        const QRectF corner(rect.left() + rect.width() * 0.07, rect.top() + rect.height() * 0.04,
                            rect.width() * 0.3, rect.height() * 0.4);
        painter.drawText(corner, Qt::AlignHCenter | Qt::AlignTop, strCorner);
        painter.save();
        painter.translate(rect.center());
        painter.rotate(180);
        painter.translate(-rect.center());
        painter.drawText(corner, Qt::AlignHCenter | Qt::AlignTop, strCorner);
        painter.restore();

        font.setPixelSize(std::max(10, static_cast<int>(rect.width() * 0.5)));
        painter.setFont(font);
        painter.drawText(rect, Qt::AlignCenter, QString::fromUtf8(suit.szSymbol));
    }
}

void CCardView::mousePressEvent(QMouseEvent* pEvent) {
    for (int n = 0; n < 4; ++n)
        if (CardRect(n).contains(pEvent->position())) {
            emit CardClicked(n);
            return;
        }
    QWidget::mousePressEvent(pEvent);
}
