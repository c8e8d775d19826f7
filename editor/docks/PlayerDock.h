#pragma once
#include <QWidget>

class QHBoxLayout;
class Slider;
class QTimeEdit;
class QToolButton;
class QVBoxLayout;

// The editor's player bar under the canvas: play/pause, stop, the position
// slider (milliseconds), the position as a time and a copy-time button. The
// editor window connects and drives it.
class PlayerDock : public QWidget
{
    Q_OBJECT
public:
    explicit PlayerDock(QWidget* parent = nullptr);
    ~PlayerDock() override;

    void Retranslate();

    QWidget* m_bar = nullptr;
    QToolButton* m_btnPlay = nullptr;
    QToolButton* m_btnStop = nullptr;
    QToolButton* m_btnCopyTime = nullptr;
    Slider* m_slider = nullptr;
    QTimeEdit* m_timeEdit = nullptr;
    QVBoxLayout* m_box = nullptr;
    QHBoxLayout* m_barBox = nullptr;
};
