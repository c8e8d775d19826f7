#include "CFQWidget.h"

CFQWidget::CFQWidget(QWidget* parent)
    : QWidget(parent)
{
}
