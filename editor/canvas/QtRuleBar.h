#pragma once
#include <QPoint>
#include <QWidget>

class QGraphicsView;
class QPainter;

// A ruler strip for the top or the left side of a graphics view: graduated
// ticks, numeric labels and a line at the cursor position.
class QtRuleBar : public QWidget
{
    Q_OBJECT
public:
    QtRuleBar(Qt::Orientation orientation, QGraphicsView* view, QWidget* parent = nullptr);
    ~QtRuleBar() override;

    // Values at the ruler's start and end edge, and the largest value to be
    // labelled (which sizes the labels). Does not repaint.
    void setRange(double lower, double upper, double maxSize);
    void updatePosition(const QPoint& pos);

    // A tick label: 2000 and beyond in whole thousands read "2k".
    static QString LabelText(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void drawTicker(QPainter* painter);
    void drawPos(QPainter* painter);

private:
    Qt::Orientation m_orientation;
    QPoint m_lastPos;
    QGraphicsView* m_view;
    double m_lower = 0;
    double m_upper = 0;
    double m_maxSize = 0;
};

// The square where a horizontal and a vertical ruler meet.
class QtCornerBox : public QWidget
{
    Q_OBJECT
public:
    explicit QtCornerBox(QWidget* parent = nullptr);
    ~QtCornerBox() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
