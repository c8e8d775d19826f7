#pragma once
#include <QSlider>

class QStyleOptionSlider;

// The position slider of the preview players: a left click beside the handle
// moves the handle straight to the clicked point and reports it as a drag
// (sliderMoved, then sliderPressed; sliderReleased on release). Hovering
// reports the value under the pointer.
class Slider : public QSlider
{
    Q_OBJECT
public:
    explicit Slider(QWidget* parent = nullptr);

    // The slider value whose handle would start at the given pixel along the groove.
    int pixelPosToRangeValue(int pixel) const;
    // Fills a style option as the older style API expects.
    void initStyleOption_Qt430(QStyleOptionSlider* option) const;

signals:
    void onEnter();
    void onLeave();
    void onHover(int x, int value);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_bPressedBeside = false;
};
