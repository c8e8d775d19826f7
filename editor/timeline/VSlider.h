#pragma once
#include "TimeRuler.h"

// The time ruler under a second class name.
class VSlider : public TimeRuler
{
    Q_OBJECT
public:
    VSlider(bool text_visible, bool cache_status_visible, QWidget* parent = nullptr);
};
