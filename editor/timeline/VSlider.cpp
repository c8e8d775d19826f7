#include "VSlider.h"

VSlider::VSlider(bool text_visible, bool cache_status_visible, QWidget* parent)
    : TimeRuler(text_visible, cache_status_visible, parent, "VSlider::paintEvent")
{
}
