#pragma once
// Shared pieces of the outline, shadow and background panels: alpha shown in
// percent and stored on the 0-255 scale, and the panels' input widgets.
#include <QTimer>
#include <cmath>

class QColorCombox;
class QGridLayout;
class QSpinBox;
class QWidget;

namespace TextMenuControls {

// std::round rounds half away from zero, as the panels show and store alphas.
inline int AlphaToPercent(int stored)
{
    return static_cast<int>(std::round(stored / 2.55));
}
inline int PercentToAlpha(int percent)
{
    return static_cast<int>(std::round(percent * 2.55));
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, int maximum);
QColorCombox* MakeColorBox(QWidget* parent, const char* name);
// The grid and the page layout every panel uses; returns the grid.
QGridLayout* MakePanelLayout(QWidget* panel);
// The owner's running update timer, not yet connected.
QTimer* NewUpdateTimer(QWidget* owner);
// The owner's running timer that calls its onUpdateUI() slot, which reports
// the edits gathered since the last tick.
template <class Owner>
QTimer* StartUpdateTimer(Owner* owner)
{
    QTimer* timer = NewUpdateTimer(owner);
    QObject::connect(timer, &QTimer::timeout, owner, &Owner::onUpdateUI);
    return timer;
}

} // namespace TextMenuControls
