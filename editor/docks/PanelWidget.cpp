#include "PanelWidget.h"

#include <QEvent>
#include <QPainter>

PanelWidget::PanelWidget(QWidget* parent)
    : QDockWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
}

PanelWidget::~PanelWidget() = default;

void PanelWidget::SetTitle(const QString& title)
{
    m_title = title;
    UpdateTitle();
}

void PanelWidget::SetSubtitle(const QString& subtitle)
{
    m_subtitle = subtitle;
    UpdateTitle();
}

void PanelWidget::UpdateTitle()
{
    if (m_subtitle.isEmpty())
        setWindowTitle(m_title);
    else
        setWindowTitle(tr("%1: %2").arg(m_title, m_subtitle));
}

void PanelWidget::SetMovementLocked(bool locked)
{
    if (locked) {
        setFeatures(features() & ~QDockWidget::DockWidgetMovable);
        // An empty title-bar widget hides the standard title bar.
        QWidget* old = titleBarWidget();
        setTitleBarWidget(new QWidget(this));
        delete old;
    } else {
        setFeatures(features() | QDockWidget::DockWidgetMovable);
        QWidget* old = titleBarWidget();
        setTitleBarWidget(nullptr);
        delete old;
    }
}

void PanelWidget::SetBorderVisible(bool visible)
{
    m_borderVisible = visible;
    update();
}

void PanelWidget::paintEvent(QPaintEvent* event)
{
    QDockWidget::paintEvent(event);
    if (!m_borderVisible)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Current, QPalette::Highlight));
    painter.drawRect(0, 0, width() - 2, height() - 2);
}

void PanelWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDockWidget::changeEvent(event);
}
