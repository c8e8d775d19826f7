#include "QtRuleBar.h"

#include <QPainter>
#include <cmath>

namespace {
const double kScales[] = {1, 2, 5, 10, 25, 50, 100, 250, 500, 1000, 2500, 5000, 10000, 25000, 50000, 100000};
const int kSubdivisions[] = {1, 5, 10, 50, 100};
} // namespace

QtRuleBar::QtRuleBar(Qt::Orientation orientation, QGraphicsView* view, QWidget* parent)
    : QWidget(parent)
    , m_orientation(orientation)
    , m_view(view)
{
    QFont f = font();
    f.setWeight(QFont::Normal);
    f.setPixelSize(10);
    setFont(f);
}

QtRuleBar::~QtRuleBar() = default;

void QtRuleBar::setRange(double lower, double upper, double maxSize)
{
    m_lower = lower;
    m_upper = upper;
    m_maxSize = maxSize;
}

void QtRuleBar::updatePosition(const QPoint& pos)
{
    m_lastPos = pos;
    update();
}

QString QtRuleBar::LabelText(int value)
{
    if (value % 1000 == 0 && std::abs(value) >= 2000)
        return QString::number(value / 1000) + QLatin1Char('k');
    return QString::number(value);
}

void QtRuleBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int w = width();
    const int h = height();
    if (m_orientation == Qt::Horizontal)
        painter.drawLine(0, h - 1, w - 1, h - 1);
    else
        painter.drawLine(w - 1, 0, w - 1, h - 1);
    drawTicker(&painter);
    drawPos(&painter);
}

void QtRuleBar::drawTicker(QPainter* painter)
{
    const bool horizontal = m_orientation == Qt::Horizontal;
    const int t = horizontal ? height() - 1 : width() - 1;
    const int length = horizontal ? width() : height();
    if (m_upper == m_lower || !std::isfinite(m_upper - m_lower))
        return;
    const double increment = length / (m_upper - m_lower);
    const int d = painter->fontMetrics().height();
    const double maxSize = std::isfinite(m_maxSize) ? qBound(-2e9, std::ceil(m_maxSize), 2e9) : 0.0;
    const int textWidth = QString::number(qint64(maxSize)).size() * d + 1;

    double scale = kScales[15];
    for (double s : kScales) {
        if (s * std::abs(increment) > 2 * textWidth) {
            scale = s;
            break;
        }
    }
    const double start = qMin(m_lower, m_upper);
    const double end = qMax(m_lower, m_upper);
    const double major = std::abs(scale * increment);
    int tickLength = 0;
    for (int i = 4; i >= 0; --i) {
        const double step = (scale == kScales[1] && i == 1) ? 1.0 : scale / kSubdivisions[i];
        if (step * std::abs(increment) <= 5)
            continue;
        tickLength = qMax(tickLength + 1, (t + 1) / (i + 1) - 1);
        const double first = std::floor(start / step) * step;
        const double last = std::ceil(end / step) * step;
        int k = 0;
        for (double v = first; v <= last + step * 1e-9; v = first + (++k) * step) {
            const int p = int(std::floor((v - m_lower) * increment + 1e-12 + 0.5));
            if (horizontal)
                painter->drawLine(p, t + 1 - tickLength, p, t);
            else
                painter->drawLine(t + 1 - tickLength, p, t, p);
            if (i != 0)
                continue;
            const bool zero = std::abs(v) < step * 1e-9;
            if (!((major > 6 * d || zero || k % 2 == 0) && (major > 3 * d || zero || k % 4 == 0)))
                continue;
            const QString text = LabelText(int(std::llround(v)));
            const int tw = painter->fontMetrics().horizontalAdvance(text);
            if (horizontal) {
                painter->drawText(QRect(p + 2, 0, tw, 16), Qt::AlignLeft | Qt::AlignTop, text);
            } else {
                painter->save();
                painter->translate(4, p + 2 + tw / 2);
                painter->rotate(90);
                painter->drawText(QRect(-tw / 2, -8, tw, 16), Qt::AlignRight, text);
                painter->restore();
            }
        }
    }
}

void QtRuleBar::drawPos(QPainter* painter)
{
    if (m_orientation == Qt::Horizontal)
        painter->drawLine(m_lastPos.x(), 0, m_lastPos.x(), height());
    else
        painter->drawLine(0, m_lastPos.y(), width(), m_lastPos.y());
}

QtCornerBox::QtCornerBox(QWidget* parent)
    : QWidget(parent)
{
}

QtCornerBox::~QtCornerBox() = default;

void QtCornerBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 0, Qt::DashLine));
    const int w = width();
    const int h = height();
    painter.drawLine((w - 1) / 2, 0, (w - 1) / 2, h - 1);
    painter.drawLine(0, (h - 1) / 2, w - 1, (h - 1) / 2);
    painter.drawLine(w - 1, 0, w - 1, h - 1);
    painter.drawLine(0, h - 1, w - 1, h - 1);
}
