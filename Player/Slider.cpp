#include "Slider.h"

#include <QDebug>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

Slider::Slider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    // Hover values arrive without a button held.
    setAttribute(Qt::WA_MouseTracking);
}

void Slider::initStyleOption_Qt430(QStyleOptionSlider* option) const
{
    if (!option)
        return;
    option->initFrom(this);
    option->subControls = QStyle::SC_None;
    option->activeSubControls = QStyle::SC_None;
    option->orientation = orientation();
    option->maximum = maximum();
    option->minimum = minimum();
    option->tickPosition = tickPosition();
    option->tickInterval = tickInterval();
    option->upsideDown = (orientation() == Qt::Horizontal)
        ? (invertedAppearance() != (option->direction == Qt::RightToLeft))
        : (!invertedAppearance());
    option->direction = Qt::LeftToRight;  // the older API ignored the layout direction
    option->sliderPosition = sliderPosition();
    option->sliderValue = value();
    option->singleStep = singleStep();
    option->pageStep = pageStep();
    if (orientation() == Qt::Horizontal)
        option->state |= QStyle::State_Horizontal;
}

int Slider::pixelPosToRangeValue(int pixel) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    int length = 0;
    int first = 0;
    int last = 0;
    if (orientation() == Qt::Horizontal) {
        length = handle.width();
        first = groove.x();
        last = groove.right() - length + 1;
    } else {
        length = handle.height();
        first = groove.y();
        last = groove.bottom() - length + 1;
    }
    return QStyle::sliderValueFromPosition(minimum(), maximum(), pixel - first, last - first,
                                           option.upsideDown);
}

void Slider::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->pos();
    qDebug("pressed (%d, %d)", at.x(), at.y());
    if (event->button() != Qt::LeftButton) {
        QSlider::mousePressEvent(event);
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    if (handle.contains(at)) {
        QSlider::mousePressEvent(event);  // an ordinary drag of the handle
        return;
    }
    qDebug("accept");
    event->accept();
    // The handle's centre lands on the clicked point.
    const QPoint centre = handle.center() - handle.topLeft();
    const int pixel = orientation() == Qt::Horizontal ? at.x() - centre.x() : at.y() - centre.y();
    const int value = pixelPosToRangeValue(pixel);
    setSliderPosition(value);
    triggerAction(SliderMove);
    setRepeatAction(SliderNoAction, 500, 50);
    emit sliderMoved(value);
    emit sliderPressed();
    m_bPressedBeside = true;
}

void Slider::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_bPressedBeside) {
        m_bPressedBeside = false;
        emit sliderReleased();
    }
    QSlider::mouseReleaseEvent(event);
}

void Slider::mouseMoveEvent(QMouseEvent* event)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const int length = style()->pixelMetric(QStyle::PM_SliderLength, &option, this);
    const int x = event->pos().x();
    const int value = QStyle::sliderValueFromPosition(minimum(), maximum(), x - (length - 1) / 2,
                                                      width() - length + 1, false);
    emit onHover(x, value);
    QSlider::mouseMoveEvent(event);
}

void Slider::enterEvent(QEvent* event)
{
    emit onEnter();
    QSlider::enterEvent(event);
}

void Slider::leaveEvent(QEvent* event)
{
    emit onLeave();
    QSlider::leaveEvent(event);
}
