#pragma once
#include <QDialog>
#include <QTime>
#include <cstdint>

namespace Ui {
class LayerDialog;
}

// The "Options" dialog of one canvas layer: size (optionally locked to the
// aspect it opened with), position, opacity, angle, motion, fade, speed, loop
// and time window. It works on its own copy in the public fields: the caller
// fills them, calls InitDialog() and, when exec() accepts, writes them back to
// the layer. The dialog never touches a layer itself.
class LayerDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LayerDialog(QWidget* parent = nullptr);
    ~LayerDialog() override;

    // Shows the fields in the controls. Called once, after the caller has
    // filled the fields; showing them changes no field.
    void InitDialog();

    int32_t Width = 0;        // pixels of the displayed frame
    int32_t Height = 0;
    bool Keep = true;         // keep the width / height ratio
    int32_t X = 0;            // position; negative when the layer starts left of or above the frame
    int32_t Y = 0;
    int32_t Opacity = 100;    // percent
    float Angle = 0.0f;       // degrees, 0 to 360
    int32_t Animation = 0;    // 0 none, 1 left, 2 right, 3 top, 4 bottom
    int32_t Fade = 0;         // 0 none, 1 in, 2 out, 3 in and out
    int32_t Speed = 50;
    int32_t Loop = 0;
    int64_t StartTime = 0;    // microseconds
    int64_t EndTime = 0;      // microseconds

private slots:
    void on_spinBoxWidth_valueChanged(int value);
    void on_spinBoxHeight_valueChanged(int value);
    void on_checkBoxKeepAspect_stateChanged(int state);
    void on_spinBoxX_valueChanged(int value);
    void on_spinBoxY_valueChanged(int value);
    void on_spinBoxOpacity_valueChanged(int value);
    void on_spinBoxWidth_editingFinished();
    void on_spinBoxHeight_editingFinished();
    void on_doubleSpinBoxAngle_valueChanged(double value);
    void on_comboBoxAnimation_currentIndexChanged(int index);
    void on_comboBoxFade_currentIndexChanged(int index);
    void on_spinBoxSpeed_valueChanged(int value);
    void on_timeEditStart_timeChanged(const QTime& time);
    void on_timeEditEnd_timeChanged(const QTime& time);
    void on_spinBoxLoop_valueChanged(int value);

private:
    // Width / height as the dialog opened; 0 when the size had no usable
    // ratio (an empty picture), which leaves width and height uncoupled.
    float m_ratio = 1.0f;
    Ui::LayerDialog* ui = nullptr;
};
