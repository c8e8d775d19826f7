#pragma once
#include "SubtitleRecords.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <QString>
#include <cstdint>

class QEvent;
class QFont;
class QModelIndex;
namespace Ui {
class StyleDialog;
}

// Edits a list of subtitle styles, one at a time, chosen by name. The owner
// fills styles, calls InitDialog(), runs the dialog and reads styles back
// after acceptance. A style is renamed by editing its name in the style box
// and pressing Return.
class StyleDialog : public QDialog
{
    Q_OBJECT
public:
    explicit StyleDialog(QWidget* parent = nullptr);
    ~StyleDialog() override;

    void InitDialog();
    void UpdateUI();

    QList<ST_ASS_STYLE> styles;
    int32_t ready = 0;
    // For each entry of styles, the index it had in the list handed in, or
    // -1 for a style added or read from a file: lets the owner move the
    // events of a renamed or deleted style.
    QList<int> origins;
    // The text of the last failure told to the user.
    QString lastMessage;

    // Percent of opacity shown for an ASS alpha, and the alpha written back.
    static int OpacityOfAlpha(uint32_t alpha);
    static uint32_t AlphaOfOpacity(int opacity);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void on_fontComboBox_currentFontChanged(const QFont& font);
    void on_comboBoxSize_currentTextChanged(const QString& text);
    void on_checkBoxBold_stateChanged(int state);
    void on_checkBoxItalic_stateChanged(int state);
    void on_checkBoxUnderline_stateChanged(int state);
    void on_checkBoxStrikeout_stateChanged(int state);
    void on_spinBoxOutline_valueChanged(int value);
    void on_spinBoxBack_valueChanged(int value);
    void on_spinBoxLeft_valueChanged(int value);
    void on_spinBoxRight_valueChanged(int value);
    void on_spinBoxVertical_valueChanged(int value);
    void on_radioButton1_clicked(bool);
    void on_radioButton2_clicked(bool);
    void on_radioButton3_clicked(bool);
    void on_radioButton4_clicked(bool);
    void on_radioButton5_clicked(bool);
    void on_radioButton6_clicked(bool);
    void on_radioButton7_clicked(bool);
    void on_radioButton8_clicked(bool);
    void on_radioButton9_clicked(bool);
    void on_toolButtonAdd_clicked();
    void on_toolButtonDel_clicked();
    void on_toolButtonOpen_clicked();
    void on_toolButtonSave_clicked();
    void on_comboBoxStyle_currentIndexChanged(int index);
    void onPrimaryColorChanged(QColor color);
    void onSecondaryColorChanged(QColor color);
    void onOutlineColorChanged(QColor color);
    void onShadeColorChanged(QColor color);
    void on_spinBoxPA_valueChanged(int value);
    void on_spinBoxSA_valueChanged(int value);
    void on_spinBoxOA_valueChanged(int value);
    void on_spinBoxSA_2_valueChanged(int value);
    // A name edited in the style box (Return) renames the style.
    void onStyleNamesChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);

private:
    // The selected style, null when the style box selects none.
    ST_ASS_STYLE* Selected();
    void SetAlignment(int value);
    void Tell(const QString& text);

    Ui::StyleDialog* form = nullptr;
};
