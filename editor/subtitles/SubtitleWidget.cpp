#include "SubtitleWidget.h"

#include "QSubtitleDelegate.h"
#include "QTimeDelegate.h"
#include "docks/TimeLabel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* Button(QWidget* parent, const char* icon)
{
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon(QString::fromLatin1(icon)));
    return button;
}
} // namespace

SubtitleWidget::SubtitleWidget(QWidget* parent)
    : QWidget(parent)
{
    m_btnAdd = Button(this, ":/res/addMerge.svg");
    m_btnDelete = Button(this, ":/res/delMeger.svg");
    m_btnOpen = Button(this, ":/res/open.svg");
    m_btnSave = Button(this, ":/res/save.svg");
    m_btnStyle = Button(this, ":/res/style.svg");
    m_btnTime = Button(this, ":/res/time.svg");
    m_btnFind = Button(this, ":/res/find.svg");
    m_labelStart = new QLabel(this);
    m_startTime = new QTimeEdit(this);
    m_startTime->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    m_labelEnd = new QLabel(this);
    m_endTime = new QTimeEdit(this);
    m_endTime->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    m_labelStyle = new QLabel(this);
    m_styleBox = new QComboBox(this);
    m_styleBox->addItem(QStringLiteral("Default"));
    m_labelDuration = new QLabel(this);
    m_duration = new TimeLabel(this);
    m_duration->setText(QStringLiteral("00:00:00:000"));
    m_text = new QTextEdit(this);
    m_text->setAcceptRichText(false);
    m_table = new QTableView(this);
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_model = new QStandardItemModel(0, 3, this);

    auto* main = new QVBoxLayout(this);
    main->setSpacing(0);
    main->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QHBoxLayout;
    for (QToolButton* button : {m_btnOpen, m_btnSave, m_btnAdd, m_btnDelete, m_btnStyle, m_btnTime, m_btnFind})
        tools->addWidget(button);
    tools->addStretch();
    main->addLayout(tools);
    main->addLayout(new QHBoxLayout);
    auto* grid = new QGridLayout;
    grid->setSpacing(5);
    grid->addWidget(m_labelStart, 0, 0);
    grid->addWidget(m_startTime, 0, 1);
    grid->addWidget(m_labelEnd, 0, 2);
    grid->addWidget(m_endTime, 0, 3);
    grid->addWidget(m_labelStyle, 1, 0);
    grid->addWidget(m_styleBox, 1, 1);
    grid->addWidget(m_labelDuration, 1, 2);
    grid->addWidget(m_duration, 1, 3);
    main->addLayout(grid);
    m_splitter->addWidget(m_text);
    m_splitter->addWidget(m_table);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 3);
    main->addWidget(m_splitter);

    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionsClickable(false);
    m_table->setSortingEnabled(false);
    m_table->setColumnWidth(0, 120);
    m_table->setColumnWidth(1, 120);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setDefaultSectionSize(40);
    m_startDelegate = new QTimeDelegate(this);
    m_endDelegate = new QTimeDelegate(this);
    m_textDelegate = new QSubtitleDelegate(this);
    m_table->setItemDelegateForColumn(0, m_startDelegate);
    m_table->setItemDelegateForColumn(1, m_endDelegate);
    m_table->setItemDelegateForColumn(2, m_textDelegate);

    connect(m_startTime, &QTimeEdit::timeChanged, m_duration, &TimeLabel::onStartTime);
    connect(m_endTime, &QTimeEdit::timeChanged, m_duration, &TimeLabel::onEndTime);
    Retranslate();
}

// The table (in the splitter, made first) goes before the model.
SubtitleWidget::~SubtitleWidget() = default;

QSize SubtitleWidget::sizeHint() const
{
    return QSize(440, 200);
}

void SubtitleWidget::Retranslate()
{
    m_btnAdd->setToolTip(tr("Add"));
    m_btnDelete->setToolTip(tr("Delete"));
    m_btnOpen->setToolTip(tr("Open"));
    m_btnSave->setToolTip(tr("Save"));
    m_btnStyle->setToolTip(tr("Style"));
    m_btnTime->setToolTip(tr("Time"));
    m_btnFind->setToolTip(tr("Find\\Replace"));
    m_labelStart->setText(tr("Start Time"));
    m_labelEnd->setText(tr("End Time"));
    m_labelStyle->setText(tr("Style"));
    m_labelDuration->setText(tr("Duration"));
    m_model->setHorizontalHeaderLabels({tr("Start Time"), tr("End Time"), tr("Subtitle")});
}
