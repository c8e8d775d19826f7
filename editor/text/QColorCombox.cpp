#include "QColorCombox.h"

#include <QAction>
#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QVBoxLayout>

namespace {

// Six rows of eight; row 0 column 7 deliberately has green 250.
const QRgb kColors[6][8] = {
    {qRgb(0, 0, 0), qRgb(170, 0, 0), qRgb(0, 85, 0), qRgb(170, 85, 0), qRgb(0, 170, 0), qRgb(170, 170, 0),
     qRgb(0, 255, 0), qRgb(170, 250, 0)},
    {qRgb(0, 0, 127), qRgb(170, 0, 127), qRgb(0, 85, 127), qRgb(170, 85, 127), qRgb(0, 170, 127),
     qRgb(170, 170, 127), qRgb(0, 255, 127), qRgb(170, 255, 127)},
    {qRgb(0, 0, 255), qRgb(170, 0, 255), qRgb(0, 85, 255), qRgb(170, 85, 255), qRgb(0, 170, 255),
     qRgb(170, 170, 255), qRgb(0, 255, 255), qRgb(170, 255, 255)},
    {qRgb(85, 0, 0), qRgb(255, 0, 0), qRgb(85, 85, 0), qRgb(255, 85, 0), qRgb(85, 170, 0), qRgb(255, 170, 0),
     qRgb(85, 255, 0), qRgb(255, 255, 0)},
    {qRgb(85, 0, 127), qRgb(255, 0, 127), qRgb(85, 85, 127), qRgb(255, 85, 127), qRgb(85, 170, 127),
     qRgb(255, 170, 127), qRgb(85, 255, 127), qRgb(255, 255, 127)},
    {qRgb(85, 0, 255), qRgb(255, 0, 255), qRgb(85, 85, 255), qRgb(255, 85, 255), qRgb(85, 170, 255),
     qRgb(255, 170, 255), qRgb(85, 255, 255), qRgb(255, 255, 255)},
};

} // namespace

QColorCombox::QColorCombox(QWidget* parent)
    : QToolButton(parent)
    , m_color(Qt::white)
{
    setPopupMode(QToolButton::MenuButtonPopup);
    setMenu(createColorMenu(&QColorCombox::OnColorChanged, &QColorCombox::OnShowColorBoard));
    setAutoFillBackground(true);
}

QColorCombox::~QColorCombox() = default;

void QColorCombox::SetColor(QColor color)
{
    // Shown at once: a button left with the previous record's colour until
    // the mouse passes over it invites a user to "correct" a right colour.
    if (color == m_color)
        return;
    m_color = color;
    update();
}

QMenu* QColorCombox::createColorMenu(Slot colorSlot, Slot otherSlot)
{
    auto* automatic = new QAction(this);
    automatic->setData(QColor(0, 0, 0, 0));
    automatic->setText(tr("Automatic"));
    connect(automatic, &QAction::triggered, this, colorSlot);

    auto* automaticButton = new QToolButton;
    automaticButton->setObjectName(QStringLiteral("buttonAutomatic"));
    automaticButton->setFixedSize(210, 24);
    automaticButton->setText(tr("Automatic"));
    automaticButton->setDefaultAction(automatic);

    auto* otherButton = new QToolButton;
    otherButton->setObjectName(QStringLiteral("buttonOther"));
    otherButton->setFixedSize(210, 24);
    otherButton->setText(tr("Other"));
    otherButton->setAutoRaise(true);
    otherButton->setToolTip(tr("Other"));
    connect(otherButton, &QToolButton::clicked, this, otherSlot);

    auto* grid = new QGridLayout;
    grid->setAlignment(Qt::AlignCenter);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 8; ++column) {
            const QColor color = QColor::fromRgb(kColors[row][column]);
            auto* action = new QAction(this);
            action->setData(color);
            action->setIcon(createColorIcon(color));
            action->setToolTip(tr("white"));
            connect(action, &QAction::triggered, this, colorSlot);
            auto* swatch = new QToolButton;
            swatch->setObjectName(QStringLiteral("swatch_%1_%2").arg(row).arg(column));
            swatch->setFixedSize(24, 24);
            swatch->setAutoRaise(true);
            swatch->setDefaultAction(action);
            grid->addWidget(swatch, row, column);
        }
    }

    auto* gridWidget = new QWidget;
    gridWidget->setLayout(grid);
    auto* box = new QVBoxLayout;
    box->addWidget(automaticButton);
    box->addWidget(gridWidget);
    box->addWidget(otherButton);
    auto* menu = new QMenu(this);
    menu->setLayout(box);
    return menu;
}

QIcon QColorCombox::createColorIcon(QColor color)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRect(0, 0, 24, 24), color);
    return QIcon(pixmap);
}

void QColorCombox::setButtonIcon(const QString& imageFile, QColor color)
{
    setIcon(createColorToolButtonIcon(imageFile, color));
}

QIcon QColorCombox::createColorToolButtonIcon(const QString& imageFile, QColor color)
{
    Q_UNUSED(color);
    QPixmap pixmap(16, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // A missing image draws nothing.
    const QPixmap image(imageFile);
    if (!image.isNull())
        painter.drawPixmap(QRect(0, 0, 16, 16), image);
    return QIcon(pixmap);
}

void QColorCombox::OnColorChanged()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    m_color = action->data().value<QColor>();
    if (menu())
        menu()->close();
    update();
    emit sigColorChanged(m_color);
}

void QColorCombox::OnShowColorBoard()
{
    if (menu())
        menu()->close();
    const QColor color = QColorDialog::getColor(Qt::black, this, QString());
    if (!color.isValid())
        return;
    m_color = color;
    update();
    emit sigColorChanged(m_color);
}

void QColorCombox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && popupMode() == QToolButton::MenuButtonPopup) {
        showMenu();
        return;
    }
    QToolButton::mousePressEvent(event);
}

void QColorCombox::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (!m_color.isValid())
        return;
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, this);
    const QRect bar = rect().adjusted(4, 3, -(indicator + 4), -3);
    QPainter painter(this);
    painter.fillRect(bar, m_color);
}
