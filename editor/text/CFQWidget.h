#pragma once
// Base of the styled-text dialog's pages: carries the UI scale.
#include <QWidget>

class CFQWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CFQWidget(QWidget* parent = nullptr);

protected:
    float m_scale = 1.0f;
};
