// The "Formats" page: named format schemes read into, saved from and deleted
// beside the dialog's settings.
#include "QFormatDialog.h"
#include "ui_QFormatDialog.h"

#include "FormatPresets.h"
#include "FileFolders.h"
#include "FormatScheme.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

void QFormatDialog::SetContainerCombo(QComboBox* combo)
{
    m_containerCombo = combo;
}

QComboBox* QFormatDialog::ContainerCombo() const
{
    if (m_containerCombo)
        return m_containerCombo;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (qobject_cast<QMainWindow*>(window) && window->objectName() == QLatin1String("MainWindow")) {
            if (auto* combo = window->findChild<QComboBox*>(QStringLiteral("comboBoxFormat")))
                return combo;
        }
    }
    return nullptr;
}

void QFormatDialog::FillSchemeList()
{
    if (!FormatScheme::MakeFolder())
        return;
    ui->listWidgetFormat->addItems(FormatScheme::Names());
    if (ui->listWidgetFormat->count() > 0)
        ui->listWidgetFormat->setCurrentRow(0);
}

void QFormatDialog::on_BtnSchemeRead_clicked()
{
    if (!FormatScheme::MakeFolder())
        return;
    QString path;
    if (QListWidgetItem* item = ui->listWidgetFormat->currentItem()) {
        path = FormatScheme::PathOf(item->text());
    } else {
        path = QFileDialog::getOpenFileName(this, tr("Open"), FormatScheme::Folder(), tr("Options(*.ini)"));
        if (path.isEmpty())
            return;
    }

    FormatSettings settings;
    QStringList badKeys;
    const FormatScheme::ReadError error = FormatScheme::Read(path, &settings, &badKeys);
    // Nothing read changes nothing: a damaged scheme never costs the user
    // the settings shown, nor (through the container) the saved ones.
    const QString shown = ShownPath(path);
    switch (error) {
    case FormatScheme::ReadOk:
    case FormatScheme::ReadBadKey:
        break;
    case FormatScheme::ReadMissing:
        QMessageBox::warning(this, tr("Read"),
                             tr("The format scheme %1 does not exist. Nothing was changed.").arg(shown));
        return;
    case FormatScheme::ReadUnreadable:
        QMessageBox::warning(this, tr("Read"),
                             tr("The format scheme %1 cannot be read. Nothing was changed.").arg(shown));
        return;
    case FormatScheme::ReadNotSettings:
        QMessageBox::warning(this, tr("Read"),
                             tr("The format scheme %1 is damaged: it is not a settings file. Nothing was changed.")
                                 .arg(shown));
        return;
    }

    // A scheme that names none of the ten containers leaves the main
    // window's choice, and the settings saved for it, as they are.
    const int container = FormatPresets::ContainerIndex(settings.Format);
    if (container >= 0) {
        // Switching the main window's container saves that container's preset
        // there; the scheme's values follow below and are saved on OK.
        if (QComboBox* combo = ContainerCombo())
            combo->setCurrentIndex(container);
        m_container = container;
    }
    ShowSettings(settings);
    if (error == FormatScheme::ReadBadKey) {
        QStringList settingsKeys = badKeys;
        settingsKeys.removeAll(QStringLiteral("Format"));
        QStringList lines;
        lines << tr("The format scheme %1 is damaged.").arg(shown);
        if (!settingsKeys.isEmpty())
            lines << tr("These settings are missing or not valid and take their default values: %1.")
                         .arg(settingsKeys.join(QStringLiteral(", ")));
        if (container < 0)
            lines << tr("It names no known container: the output container was left as it was.");
        QMessageBox::warning(this, tr("Read"), lines.join(QLatin1Char('\n')));
    }
}

void QFormatDialog::on_BtnSchemeSave_clicked()
{
    if (!FormatScheme::MakeFolder())
        return;
    const QString proposed = FormatPresets::ContainerName(m_container).toUpper() + QLatin1Char('_')
        + ui->comboBoxVCodec->currentText().toUpper() + QLatin1Char('_')
        + ui->comboBoxACodec->currentText().toUpper();

    QFileDialog dialog(this, tr("Save"), FormatScheme::PathOf(proposed), tr("Options(*.ini)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog adds it before asking about overwriting.
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = FormatScheme::WithExtension(dialog.selectedFiles().constFirst());
    if (path.isEmpty())
        return;

    ConfigFormat config;
    config.FilePath = path;
    TakeSettings(&config);
    if (!config.Save()) {
        QMessageBox::warning(this, tr("Save"), tr("The format scheme could not be saved to %1.").arg(path));
        return;
    }
    // The list names files in the scheme folder: list what was written there,
    // once, under the name it was written as.
    const QFileInfo saved(path);
    if (saved.absolutePath() != QFileInfo(FormatScheme::Folder()).absoluteFilePath())
        return;
    const QString name = saved.completeBaseName();
    if (saved.suffix() == QLatin1String("ini")
        && ui->listWidgetFormat->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        ui->listWidgetFormat->addItem(name);
}

void QFormatDialog::on_BtnSchemeDelete_clicked()
{
    QMessageBox box(QMessageBox::Question, tr("Delete"), tr("Are you sure to delete the format options ?"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.button(QMessageBox::Ok)->setText(tr("Ok"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    box.setEscapeButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Ok)
        return;
    if (!FormatScheme::MakeFolder())
        return;
    const int row = ui->listWidgetFormat->currentRow();
    QListWidgetItem* item = ui->listWidgetFormat->currentItem();
    if (!item)
        return;
    const QString path = FormatScheme::PathOf(item->text());
    const QFileInfo fi(path);
    // Removing unlinks the entry itself: a link goes, its target stays, and a
    // read-only file needs no change of permissions (which would follow a
    // link to its target).
    if ((fi.exists() || fi.isSymLink()) && !QFile::remove(path)) {
        QMessageBox::warning(this, tr("Delete"), tr("The format scheme %1 could not be deleted.").arg(path));
        return;
    }
    delete ui->listWidgetFormat->takeItem(row);
}
