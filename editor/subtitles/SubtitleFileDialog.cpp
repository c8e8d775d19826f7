#include "SubtitleFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

QString SubtitleFileDialog::GetSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                            const QString& filter)
{
    QFileDialog dialog(parent, caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return QString();
    const QString chosen = dialog.selectedNameFilter();
    return WithFilterSuffix(path, chosen.isEmpty() ? filter : chosen);
}

QString SubtitleFileDialog::GetOpenFileName(QWidget* parent, const QString& caption, const QString& filter)
{
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString SubtitleFileDialog::WithFilterSuffix(const QString& path, const QString& filter)
{
    QStringList suffixes;
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;()*]+)"));
    auto it = pattern.globalMatch(filter);
    while (it.hasNext())
        suffixes << it.next().captured(1);
    if (suffixes.isEmpty())
        return path;
    const QString name = QFileInfo(path).fileName();
    for (const QString& suffix : qAsConst(suffixes)) {
        if (name.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
            return path;
    }
    return path + QLatin1Char('.') + suffixes.constFirst();
}
