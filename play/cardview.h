// The question as four playing cards beside the value boxes: a box that holds a card value
// shows its card, any other text shows an empty place. A click on a card asks for its box.
#pragma once

#include <QString>
#include <QWidget>

#include <array>

class CCardView : public QWidget {
    Q_OBJECT
public:
    explicit CCardView(QWidget* pParent = nullptr);

    // The four boxes' texts; values 1..13 become A, 2..10, J, Q, K.
    void SetValues(const std::array<QString, 4>& saValues);
    // The rank a box's text shows ("A", "10", "K"), or "" for no card.
    static QString GetRank(const QString& strValue);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void CardClicked(int nIndex);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;

private:
    QRectF CardRect(int nIndex) const;

    std::array<QString, 4> m_saRanks;
};
