#include "PlayerDock.h"

#include <QHBoxLayout>
#include "Slider.h"

#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

PlayerDock::PlayerDock(QWidget* parent)
    : QWidget(parent)
{
    m_bar = new QWidget(this);
    m_bar->setMaximumHeight(30);
    m_btnPlay = new QToolButton(m_bar);
    m_btnPlay->setIcon(QIcon(QStringLiteral(":/res/playerplay.svg")));
    m_btnStop = new QToolButton(m_bar);
    m_btnStop->setIcon(QIcon(QStringLiteral(":/res/playerstop.svg")));
    m_btnCopyTime = new QToolButton(m_bar);
    m_btnCopyTime->setIcon(QIcon(QStringLiteral(":/res/copytime.svg")));

    m_slider = new Slider;
    m_slider->setTracking(false);
    m_slider->setOrientation(Qt::Horizontal);
    m_slider->setMinimum(0);
    m_timeEdit = new QTimeEdit;
    m_timeEdit->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    m_timeEdit->setStyleSheet(QStringLiteral("QTimeEdit::up-button,QTimeEdit::down-button{width:0px;}"));

    m_box = new QVBoxLayout(this);
    m_box->setSpacing(0);
    m_box->setContentsMargins(0, 0, 0, 0);
    m_box->addWidget(m_bar);
    m_barBox = new QHBoxLayout(m_bar);
    m_barBox->setSpacing(0);
    m_barBox->setContentsMargins(1, 1, 1, 1);
    m_barBox->addWidget(m_btnPlay);
    m_barBox->addWidget(m_btnStop);
    m_barBox->addWidget(m_slider);
    m_barBox->addWidget(m_timeEdit);
    m_barBox->addWidget(m_btnCopyTime);
    Retranslate();
}

// The buttons, slider and time edit belong to the bar, the boxes to their widgets.
PlayerDock::~PlayerDock() = default;

void PlayerDock::Retranslate()
{
    m_btnPlay->setToolTip(tr("Play"));
    m_btnStop->setToolTip(tr("Stop"));
    m_btnCopyTime->setToolTip(tr("Copy Time"));
}
