// An icon the program draws itself, one size and state at a time when first asked for: a
// window with many such icons pays only for the pictures it shows.
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QPixmap>

#include <functional>
#include <map>
#include <memory>
#include <utility>

class CPaintedIconEngine : public QIconEngine {
public:
    // fnPaint draws the picture of one of naSizes (square, in device pixels), greyed or not.
    using Painter = std::function<QPixmap(int nSize, bool bDisabled)>;
    CPaintedIconEngine(Painter fnPaint, QList<int> naSizes);

    // The icon: QIcon owns the engine.
    static QIcon MakeIcon(Painter fnPaint, QList<int> naSizes);

    void paint(QPainter* pPainter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override { return QStringLiteral("CPaintedIconEngine"); }

private:
    // The drawn size that serves a request best: the smallest not below it, else the largest.
    int ChooseSize(const QSize& size) const;

    Painter m_fnPaint;
    QList<int> m_naSizes; // ascending
    // Shared by the copies of one icon, so that each picture is drawn once.
    std::shared_ptr<std::map<std::pair<int, bool>, QPixmap>> m_pCache;
};
