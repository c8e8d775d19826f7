#include "LayeredManageWidget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

LayeredManageWidget::LayeredManageWidget(QWidget* parent)
    : QWidget(parent)
{
    m_btnUp.setIcon(QIcon(QStringLiteral(":/res/up.svg")));
    m_btnDown.setIcon(QIcon(QStringLiteral(":/res/down.svg")));
    m_spinTransparent.setFixedWidth(60);
    m_spinTransparent.setRange(0, 100);
    m_spinSpeed.setFixedWidth(60);
    m_spinSpeed.setRange(0, 999);
    m_spinSpeed.setValue(50);
    m_spinSpeed.setEnabled(false);
    m_labelSpeed.setEnabled(false);

    m_table = new QTableWidget(this);
    m_table->setColumnCount(4);
    m_table->horizontalHeader()->setSectionsClickable(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Fixed);
    m_table->setColumnWidth(0, 80);
    m_table->setColumnWidth(3, 100);
    m_table->verticalHeader()->setDefaultSectionSize(40);

    auto* box = new QVBoxLayout(this);
    box->setSpacing(0);
    box->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(&m_btnUp);
    buttons->addWidget(&m_btnDown);
    buttons->addStretch();
    box->addLayout(buttons);
    auto* grid = new QGridLayout;
    grid->setSpacing(5);
    grid->addWidget(&m_labelAnimation, 0, 0);
    grid->addWidget(&m_comboAnimation, 0, 1);
    grid->addWidget(&m_labelSpeed, 0, 2);
    grid->addWidget(&m_spinSpeed, 0, 3);
    grid->addWidget(&m_labelFade, 1, 0);
    grid->addWidget(&m_comboFade, 1, 1);
    grid->addWidget(&m_labelTransparent, 1, 2);
    grid->addWidget(&m_spinTransparent, 1, 3);
    box->addLayout(grid);
    box->addWidget(m_table);

    // The combo items are filled once; their indexes are the layer's codes.
    for (int i = 0; i < 5; ++i)
        m_comboAnimation.addItem(QString());
    for (int i = 0; i < 4; ++i)
        m_comboFade.addItem(QString());
    Retranslate();
}

LayeredManageWidget::~LayeredManageWidget()
{
    // The table goes before the member controls it is laid out with.
    delete m_table;
    m_table = nullptr;
}

QSize LayeredManageWidget::sizeHint() const
{
    return QSize(440, 200);
}

void LayeredManageWidget::Retranslate()
{
    m_btnUp.setToolTip(tr("Up"));
    m_btnDown.setToolTip(tr("Down"));
    m_labelTransparent.setText(tr("Opacity"));
    m_labelAnimation.setText(tr("Animation"));
    m_labelSpeed.setText(tr("Speed"));
    m_labelFade.setText(tr("Fade"));
    const QStringList animations = {tr("None"), tr("Left"), tr("Right"), tr("Top"), tr("Bottom")};
    for (int i = 0; i < animations.size(); ++i)
        m_comboAnimation.setItemText(i, animations.at(i));
    const QStringList fades = {tr("None"), tr("In"), tr("Out"), tr("InOut")};
    for (int i = 0; i < fades.size(); ++i)
        m_comboFade.setItemText(i, fades.at(i));
    m_table->setHorizontalHeaderLabels({tr("Preview"), tr("Start"), tr("End"), tr("Duration")});
}
