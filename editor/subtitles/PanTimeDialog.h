#pragma once
#include <QDialog>
#include <cstdint>

namespace Ui {
class PanTimeDialog;
}

// Asks for a time shift of subtitle events. Only collects the choice in the
// public fields; the subtitle dock applies it after the dialog is accepted.
class PanTimeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PanTimeDialog(QWidget* parent = nullptr);
    ~PanTimeDialog() override;

    int64_t shift = 0;  // milliseconds, never negative
    int32_t rows = 0;   // 0 all rows, 1 selected rows, 2 rows after the current row
    int32_t direction = 1; // 0 Forward (subtracts), 1 Backward (adds)
    int32_t times = 0;  // 0 start and end, 1 start only, 2 end only

private slots:
    void on_radioButtonForward_clicked();
    void on_radioButtonBackward_clicked();
    void on_radioButtonAll_clicked();
    void on_radioButtonSelected_clicked();
    void on_radioButtononward_clicked();
    void on_radioButtonSE_clicked();
    void on_radioButtonS_clicked();
    void on_radioButtonE_clicked();
    void on_timeEdit_timeChanged(const QTime& t);

private:
    Ui::PanTimeDialog* form = nullptr;
};
