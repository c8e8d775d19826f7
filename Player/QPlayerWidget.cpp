#include "QPlayerWidget.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

QPlayerWidget::QPlayerWidget(QWidget* parent)
    : QWidget(parent)
{
    auto* area = new QWidget(this);
    area->setAutoFillBackground(true);
    QPalette black = area->palette();
    black.setColor(QPalette::Window, Qt::black);
    area->setPalette(black);
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setEnabled(false);
    auto* play = new QToolButton(this);
    play->setIcon(QIcon(QStringLiteral(":/res/playerplay.svg")));
    play->setToolTip(tr("Play"));
    auto* stop = new QToolButton(this);
    stop->setIcon(QIcon(QStringLiteral(":/res/playerstop.svg")));
    stop->setToolTip(tr("Stop"));
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(1, 1, 1, 1);
    bar->setSpacing(0);
    bar->addWidget(play);
    bar->addWidget(stop);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(area, 1);
    layout->addWidget(slider);
    layout->addLayout(bar);
    connect(play, &QToolButton::clicked, this, &QPlayerWidget::OnPlayPause);
    connect(stop, &QToolButton::clicked, this, &QPlayerWidget::OnStop);
}

void QPlayerWidget::OnPlayPause()
{
    if (m_strPath.isEmpty())
        emit sigAddFile();
}

void QPlayerWidget::OnStop()
{
}
