#pragma once
#include <QScrollBar>

// A scroll bar whose handle can be stretched at either end to ask for
// another scale of what it scrolls.
class ResizableScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit ResizableScrollBar(QWidget* parent = nullptr);
    ResizableScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

signals:
    // The factor by which the visible span must change.
    void RequestScale(double factor);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    enum Edge { kNone = 0, kStart = 1, kEnd = 2 };

    void Init();
    QRect HandleRect() const;
    int AlongBar(const QMouseEvent* event) const;

    int edge_ = kNone;
    bool resizing_ = false;
    int lastPos_ = 0;
};
