#include "SubtitleDock.h"

#include "Core.h"
#include "Timecode.h"
#include "TimeLabel.h"
#include "subtitles/PanTimeDialog.h"
#include "subtitles/ReplaceDialog.h"
#include "subtitles/StyleDialog.h"
#include "subtitles/SubtitleFileDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>
#include <set>

namespace {

const QString kCellFormat = QStringLiteral("HH:mm:ss:zzz");

QList<ST_ASS_EVENT>& Events()
{
    return Core::instance()->Subtitle.Events;
}

QTime CellTime(long long ms)
{
    const QTime time = ms >= 0 && ms < 24LL * 3600 * 1000 ? QTime::fromMSecsSinceStartOfDay(int(ms)) : QTime();
    return time.isValid() ? time : QTime(0, 0);
}

} // namespace

SubtitleDock::SubtitleDock(QWidget* parent)
    : PanelWidget(parent)
{
    SetTitle(tr("Subtitle"));
    SetMovementLocked(true);
    setWidget(&m_widget);

    connect(m_widget.m_btnAdd, &QToolButton::clicked, this, &SubtitleDock::onAdd);
    connect(m_widget.m_btnDelete, &QToolButton::clicked, this, &SubtitleDock::onDelete);
    connect(m_widget.m_btnSave, &QToolButton::clicked, this, &SubtitleDock::onSave);
    connect(m_widget.m_btnStyle, &QToolButton::clicked, this, &SubtitleDock::onStyle);
    connect(m_widget.m_btnTime, &QToolButton::clicked, this, &SubtitleDock::onShiftTimes);
    connect(m_widget.m_btnFind, &QToolButton::clicked, this, &SubtitleDock::onReplace);
    connect(m_widget.m_table, &QTableView::clicked, this, &SubtitleDock::onClicked);
    connect(m_widget.m_startTime, &QTimeEdit::timeChanged, this, &SubtitleDock::onStartTime);
    connect(m_widget.m_endTime, &QTimeEdit::timeChanged, this, &SubtitleDock::onEndTime);
    connect(m_widget.m_text, &QTextEdit::textChanged, this, &SubtitleDock::onTextChanged);
    // The editors follow the current row however it moves (keyboard,
    // deletion), and edits made in the table's own editors reach the events.
    connect(m_widget.m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SubtitleDock::onCurrentRowChanged);
    connect(m_widget.m_model, &QAbstractItemModel::dataChanged, this, &SubtitleDock::onCellsChanged);
}

SubtitleDock::~SubtitleDock() = default;

void SubtitleDock::Retranslate()
{
    SetTitle(tr("Subtitle"));
    m_widget.Retranslate();
}

int SubtitleDock::CurrentRow() const
{
    const QModelIndex index = m_widget.m_table->currentIndex();
    return index.isValid() ? index.row() : -1;
}

int SubtitleDock::RowCount() const
{
    return qMin(m_widget.m_model->rowCount(), Events().size());
}

bool SubtitleDock::CellMilliseconds(const QString& text, long long* ms)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,6}):(\\d{2}):(\\d{2}):(\\d{3})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const long long minutes = match.captured(2).toLongLong();
    const long long seconds = match.captured(3).toLongLong();
    if (minutes > 59 || seconds > 59)
        return false;
    *ms = ((match.captured(1).toLongLong() * 60 + minutes) * 60 + seconds) * 1000 + match.captured(4).toLongLong();
    return true;
}

void SubtitleDock::Reload()
{
    QStandardItemModel* model = m_widget.m_model;
    const QList<ST_ASS_EVENT>& events = Events();
    const int count = events.size();
    m_filling = true;
    m_widget.m_table->setCurrentIndex(QModelIndex());
    model->setRowCount(0);
    model->setColumnCount(3);
    model->insertRows(0, count);
    {
        // The rows are announced above in one step; filling their cells one
        // notification each would cost more than the fill itself.
        const QSignalBlocker block(model);
        for (int r = 0; r < count; ++r) {
            const ST_ASS_EVENT& event = events.at(r);
            model->setItem(r, 0, new QStandardItem(Timecode::Int64ToTimeZZZ(event.Start)));
            model->setItem(r, 1, new QStandardItem(Timecode::Int64ToTimeZZZ(event.End)));
            model->setItem(r, 2, new QStandardItem(event.Text));
        }
    }
    m_filling = false;
    m_widget.m_table->viewport()->update();

    QComboBox* box = m_widget.m_styleBox;
    for (int i = box->count() - 1; i >= 0; --i)
        box->removeItem(i);
    for (const ST_ASS_STYLE& style : qAsConst(Core::instance()->Subtitle.Styles))
        box->addItem(style.Name);
    ShowRow(-1);
}

void SubtitleDock::ShowRow(int row)
{
    const bool valid = IsValidRow(row);
    QStandardItemModel* model = m_widget.m_model;
    QTime start(0, 0);
    QTime end(0, 0);
    QString text;
    if (valid) {
        long long ms = 0;
        if (CellMilliseconds(model->index(row, 0).data().toString(), &ms))
            start = CellTime(ms);
        if (CellMilliseconds(model->index(row, 1).data().toString(), &ms))
            end = CellTime(ms);
        text = model->index(row, 2).data().toString();
    }
    {
        const QSignalBlocker b1(m_widget.m_startTime);
        const QSignalBlocker b2(m_widget.m_endTime);
        const QSignalBlocker b3(m_widget.m_text);
        m_widget.m_startTime->setTime(start);
        m_widget.m_endTime->setTime(end);
        if (m_widget.m_text->toPlainText() != text)
            m_widget.m_text->setPlainText(text);
    }
    m_widget.m_duration->onStartTime(start);
    m_widget.m_duration->onEndTime(end);
}

void SubtitleDock::WriteTimeCell(int row, int column, long long ms)
{
    m_widget.m_model->setData(m_widget.m_model->index(row, column), Timecode::Int64ToTimeZZZ(ms), Qt::EditRole);
}

QList<int> SubtitleDock::AffectedRows(int choice) const
{
    const int count = RowCount();
    QList<int> rows;
    if (choice == 1) {
        std::set<int> selected;
        for (const QModelIndex& index : m_widget.m_table->selectionModel()->selectedIndexes()) {
            if (index.row() >= 0 && index.row() < count)
                selected.insert(index.row());
        }
        for (int r : selected)
            rows << r;
        return rows;
    }
    const int first = choice == 2 ? qMax(0, CurrentRow() + 1) : 0;
    for (int r = first; r < count; ++r)
        rows << r;
    return rows;
}

void SubtitleDock::onAdd()
{
    const int row = qBound(0, CurrentRow() + 1, RowCount());
    ST_ASS_EVENT event;
    event.Style = 1;
    Events().insert(row, event);
    m_filling = true;
    m_widget.m_model->insertRow(row, {new QStandardItem(QStringLiteral("00:00:00:000")),
                                      new QStandardItem(QStringLiteral("00:00:00:000")), new QStandardItem(QString())});
    m_filling = false;
    m_widget.m_table->selectRow(row);
    onClicked(m_widget.m_table->currentIndex());
}

void SubtitleDock::onDelete()
{
    QMessageBox box(QMessageBox::Question, tr("Delete"), tr("Are you sure delete subtitle?"),
                    QMessageBox::Yes | QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;
    std::set<int> rows;
    for (const QModelIndex& index : m_widget.m_table->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    // Highest first, so the rows still to go keep their numbers.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const int row = *it;
        if (row < 0 || row >= m_widget.m_model->rowCount())
            continue;
        m_widget.m_model->removeRow(row);
        if (row < Events().size())
            Events().removeAt(row);
    }
    ShowRow(CurrentRow());
}

void SubtitleDock::onSave()
{
    Core* core = Core::instance();
    QString proposed;
    const QFileInfo current(core->SubtitlePath);
    if (!core->SubtitlePath.isEmpty() && current.isFile())
        proposed = current.completeBaseName();
    const QString path = SubtitleFileDialog::GetSaveFileName(this, tr("Save ASS File"), proposed, tr("ASS File(*.ass)"));
    if (path.isEmpty())
        return;
    if (!core->Subtitle.SaveASS(path)) {
        // The writer leaves an existing file as it was; the path and the
        // modified mark stay as they were too.
        Tell(tr("The subtitle file %1 cannot be written.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    core->SetSubtitle(path);
    core->SubtitleModified = false;
}

void SubtitleDock::onStyle()
{
    Core* core = Core::instance();
    StyleDialog dialog(nullptr);
    dialog.styles = core->Subtitle.Styles;
    dialog.InitDialog();
    if (dialog.exec() != QDialog::Accepted)
        return;

    QList<ST_ASS_STYLE> styles = dialog.styles;
    QList<int> origins = dialog.origins;
    if (styles.isEmpty()) {
        styles.append(SubtitleParser::MakeDefaultStyle());
        origins = {-1};
    }
    while (origins.size() < styles.size())
        origins.append(-1);

    // Events name styles by number: carry each event to where its style went
    // (renamed styles keep their origin; styles read from a file match by
    // name); an event whose style was deleted takes the first style.
    const QList<ST_ASS_STYLE>& old = core->Subtitle.Styles;
    QVector<int> map(old.size() + 1, 1);
    for (int k = 0; k < old.size(); ++k) {
        int target = origins.indexOf(k);
        if (target < 0) {
            for (int i = 0; i < styles.size() && target < 0; ++i) {
                if (origins.at(i) < 0 && styles.at(i).Name == old.at(k).Name)
                    target = i;
            }
        }
        map[k + 1] = target >= 0 ? target + 1 : 1;
    }
    for (ST_ASS_EVENT& event : Events()) {
        if (event.Style >= 1 && event.Style <= old.size())
            event.Style = map.at(event.Style);
    }
    core->Subtitle.Styles = styles;

    QComboBox* box = m_widget.m_styleBox;
    for (int i = box->count() - 1; i >= 0; --i)
        box->removeItem(i);
    for (const ST_ASS_STYLE& style : qAsConst(core->Subtitle.Styles))
        box->addItem(style.Name);
}

void SubtitleDock::onShiftTimes()
{
    PanTimeDialog dialog(nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const long long delta = dialog.shift * (dialog.direction == 1 ? 1 : -1);
    const long long startDelta = dialog.times == 2 ? 0 : delta;
    const long long endDelta = dialog.times == 1 ? 0 : delta;
    const QList<int> rows = AffectedRows(dialog.rows);
    m_filling = true;
    // A time shifted before 0 stays negative, so the same shift back restores
    // it; the writers put 0 in a file.
    for (int row : rows) {
        ST_ASS_EVENT& event = Events()[row];
        event.Start += startDelta;
        event.End += endDelta;
        WriteTimeCell(row, 0, event.Start);
        WriteTimeCell(row, 1, event.End);
    }
    m_filling = false;
    ShowRow(CurrentRow());
}

void SubtitleDock::onReplace()
{
    ReplaceDialog dialog(nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // An empty find text would insert the replacement between every letter.
    if (dialog.find.isEmpty())
        return;
    const QList<int> rows = AffectedRows(dialog.rows);
    m_filling = true;
    for (int row : rows) {
        ST_ASS_EVENT& event = Events()[row];
        const QString text = QString(event.Text).replace(dialog.find, dialog.replace, Qt::CaseSensitive);
        if (text == event.Text)
            continue;
        event.Text = text;
        m_widget.m_model->setData(m_widget.m_model->index(row, 2), text, Qt::EditRole);
    }
    m_filling = false;
    ShowRow(CurrentRow());
}

void SubtitleDock::onClicked(const QModelIndex&)
{
    const int row = CurrentRow();
    if (row >= 0)
        ShowRow(row);
}

void SubtitleDock::onCurrentRowChanged(const QModelIndex& current, const QModelIndex&)
{
    ShowRow(current.isValid() ? current.row() : -1);
}

void SubtitleDock::onStartTime(QTime time)
{
    const int row = CurrentRow();
    if (!IsValidRow(row))
        return;
    m_fromEditors = true;
    m_widget.m_model->setData(m_widget.m_model->index(row, 0), time.toString(kCellFormat), Qt::EditRole);
    m_fromEditors = false;
    Events()[row].Start = Timecode::QTimeToInt64(time) / 1000;
}

void SubtitleDock::onEndTime(QTime time)
{
    const int row = CurrentRow();
    if (!IsValidRow(row))
        return;
    m_fromEditors = true;
    m_widget.m_model->setData(m_widget.m_model->index(row, 1), time.toString(kCellFormat), Qt::EditRole);
    m_fromEditors = false;
    Events()[row].End = Timecode::QTimeToInt64(time) / 1000;
}

void SubtitleDock::onTextChanged()
{
    const int row = CurrentRow();
    if (!IsValidRow(row))
        return;
    const QString text = m_widget.m_text->toPlainText();
    m_fromEditors = true;
    m_widget.m_model->setData(m_widget.m_model->index(row, 2), text, Qt::EditRole);
    m_fromEditors = false;
    Events()[row].Text = text;
}

void SubtitleDock::onCellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    if (m_filling || m_fromEditors)
        return;
    QStandardItemModel* model = m_widget.m_model;
    bool current = false;
    const int currentRow = CurrentRow();
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        if (!IsValidRow(row))
            continue;
        ST_ASS_EVENT& event = Events()[row];
        for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
            const QString value = model->index(row, column).data().toString();
            long long ms = 0;
            if (column == 0 && CellMilliseconds(value, &ms))
                event.Start = ms;
            else if (column == 1 && CellMilliseconds(value, &ms))
                event.End = ms;
            else if (column == 2)
                event.Text = value;
            else
                continue;
        }
        current = current || row == currentRow;
    }
    if (current)
        ShowRow(currentRow);
}

void SubtitleDock::Tell(const QString& text)
{
    m_lastMessage = text;
    QMessageBox::warning(this, tr("Save ASS File"), text);
}
