#include "SubtitleFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>

namespace {

QStringList Suffixes(const QString& filter)
{
    QStringList suffixes;
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;()*]+)"));
    auto it = pattern.globalMatch(filter);
    while (it.hasNext())
        suffixes << it.next().captured(1);
    return suffixes;
}

// Qt's dialog asks before replacing a file, but about the name as typed: the
// extension the save adds goes into the name field first, so the question
// is about the file that would be replaced.
class SaveDialog : public QFileDialog
{
public:
    SaveDialog(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
               const QStringList& kept)
        : QFileDialog(parent, caption, proposed, filter)
        , m_kept(kept)
    {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        // What a desktop's own dialog can add by itself.
        const auto follow = [this](const QString& chosen) { setDefaultSuffix(Suffixes(chosen).value(0)); };
        connect(this, &QFileDialog::filterSelected, this, follow);
        follow(selectedNameFilter());
    }

    void accept() override
    {
        const QString path = selectedFiles().value(0);
        auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name && !name->text().isEmpty() && !path.isEmpty() && !QFileInfo(path).isDir()) {
            const QString full = SubtitleFileDialog::WithFilterSuffix(path, selectedNameFilter(), m_kept);
            if (full != path) {
                // The dialog takes a file selected in its list before the
                // name field, and a file listed under the typed name stays
                // selected once the field has lost the focus (Save clicked):
                // the selection goes and the field gets the whole completed
                // path, so the question and the save are about that file.
                if (auto* list = findChild<QListView*>(QStringLiteral("listView")))
                    list->selectionModel()->clear();
                name->setText(full);
            }
        }
        QFileDialog::accept();
    }

private:
    QStringList m_kept;
};

} // namespace

QString SubtitleFileDialog::GetSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                            const QString& filter, const QStringList& kept)
{
    SaveDialog dialog(parent, caption, proposed, filter, kept);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return QString();
    const QString chosen = dialog.selectedNameFilter();
    return WithFilterSuffix(path, chosen.isEmpty() ? filter : chosen, kept);
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

QString SubtitleFileDialog::WithFilterSuffix(const QString& path, const QString& filter, const QStringList& kept)
{
    const QStringList suffixes = Suffixes(filter);
    if (suffixes.isEmpty())
        return path;
    const QString name = QFileInfo(path).fileName();
    for (const QString& suffix : suffixes + kept) {
        if (name.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
            return path;
    }
    return path + QLatin1Char('.') + suffixes.constFirst();
}
