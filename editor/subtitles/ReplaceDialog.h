#pragma once
#include <QDialog>
#include <QString>
#include <cstdint>

namespace Ui {
class ReplaceDialog;
}

// Asks for a text to find, its replacement and the rows to work on. Only
// collects the choice; the subtitle dock replaces every occurrence.
class ReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget* parent = nullptr);
    ~ReplaceDialog() override;

    QString find;
    QString replace;
    int32_t rows = 0; // 0 all rows, 1 selected rows, 2 rows after the current row

private slots:
    void on_radioButtonAll_clicked();
    void on_radioButtonSelected_clicked();
    void on_radioButtononward_clicked();
    void on_lineEditFind_textChanged(const QString& text);
    void on_lineEditReplace_textChanged(const QString& text);

private:
    Ui::ReplaceDialog* form = nullptr;
};
