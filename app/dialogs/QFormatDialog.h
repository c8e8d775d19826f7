#pragma once
#include "ConfigFormat.h"

#include <QDialog>
#include <QPointer>
#include <QString>

class QComboBox;
class Ui_QFormatDialog;

// "Format Options": the video and audio settings of the output container
// chosen in the main window, saved to the format settings on OK, and the
// named format schemes (QFormatDialogScheme.cpp).
//
// The opener builds it on the stack, calls SetFormat with the main window's
// container, then LoadConfigFormat, then exec().
class QFormatDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QFormatDialog(QWidget* parent = nullptr);
    ~QFormatDialog() override;

    void InitUI();
    // Fills the size, rate, aspect and codec lists of a container; the sound
    // containers lose the Video page. OK saves the settings for this container.
    void SetFormat(int format);
    void SetVideoBitRateUI(bool quality);
    void SetAudioCodec(QString videoCodec);
    void SetVideoCodec(int) {}
    void LoadConfigFormat();

    // The main window's container list, which reading a scheme switches.
    // Unset, the list is looked up in the main window by its object name.
    void SetContainerCombo(QComboBox* combo);
    // The container OK saves the settings for (0 mp4 ... 9 wav).
    int Container() const { return m_container; }

private slots:
    void on_comboBoxVCodec_currentIndexChanged(QString text);
    void on_buttonBox_accepted();
    void on_checkBoxVQuality_clicked(bool checked);
    void on_BtnSchemeRead_clicked();
    void on_BtnSchemeSave_clicked();
    void on_BtnSchemeDelete_clicked();

private:
    // Shows a record in the controls, in the order that lets a changed video
    // codec refill the audio lists before the audio values are set.
    void ShowSettings(const FormatSettings& settings);
    // The controls' values, with the dialog's container.
    void TakeSettings(FormatSettings* settings) const;
    void FillSchemeList();
    QComboBox* ContainerCombo() const;

    Ui_QFormatDialog* ui;
    int m_container = FORMAT_MP4;
    QPointer<QComboBox> m_containerCombo;
};
