#pragma once
#include "ST_CROP_THICK.h"

#include <QDialog>
#include <QRect>

class CropWnd;
class QImage;

namespace Ui {
class CropDialog;
}

// The "Crop" dialog: the user draws the crop of the source on one still
// frame, freely or at a fixed ratio. The caller sets Crop (its current crop),
// calls SetImage() with the frame as it will be shown (flips and quarter turn
// applied), runs exec() and, when accepted, takes Crop back.
class CropDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CropDialog(QWidget* parent = nullptr);
    ~CropDialog() override;

    // Copies the frame into the crop widget, which starts from Crop. A null
    // pointer is taken as no frame.
    void SetImage(QImage* frame);
    // Puts the pixel rectangle into the crop widget's starting crop.
    void UpdatePreviewUI();

    // The part of the frame the converter keeps for Crop, in frame pixels
    // (sizes lowered to even, never past the frame's edge); the whole frame
    // while no crop was made, empty without a frame.
    QRect PixelRect() const { return QRect(m_x, m_y, m_width, m_height); }
    CropWnd* PreviewWnd() const { return m_pPreviewWnd; }

    ST_CROP_THICK Crop;

public slots:
    void OnCrop(ST_CROP_THICK crop);

private slots:
    void on_m_BtnReset_clicked();
    void on_comboBoxRatio_currentIndexChanged(int index);

private:
    void UpdatePixelRect();

    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    CropWnd* m_pPreviewWnd = nullptr;
    Ui::CropDialog* ui = nullptr;
};
