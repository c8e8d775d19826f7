#pragma once
#include <QDialog>

class Ui_MainOptionsDialog;

// "Options": the interface language and how many conversions run at once.
// The opener sets the two fields, calls InitDialog, runs it and reads the
// fields back only when it was accepted.
class MainOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MainOptionsDialog(QWidget* parent = nullptr);
    ~MainOptionsDialog() override;

    void InitDialog();

    int language = 1;
    int threads = 2;

private slots:
    void on_comboBoxLanguage_currentIndexChanged(int index);
    void on_spinBoxThreads_valueChanged(int value);

private:
    Ui_MainOptionsDialog* ui;
};
