#pragma once
#include <QDialog>

class Ui_AboutDialog;

// "About": the logo, the product name, the edition and version, where to
// write to and the web page.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

private:
    Ui_AboutDialog* ui;
};
