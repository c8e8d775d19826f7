#include "TextMenuControls.h"

#include "QColorCombox.h"
#include "VFuncTextPage.h"

#include <QGridLayout>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace TextMenuControls {

QSpinBox* MakeSpin(QWidget* parent, const char* name, int maximum)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, maximum);
    spin->setSingleStep(1);
    spin->setFixedSize(50, 30);
    return spin;
}

QColorCombox* MakeColorBox(QWidget* parent, const char* name)
{
    auto* box = new QColorCombox(parent);
    box->setObjectName(QLatin1String(name));
    box->setMinimumSize(100, 30);
    return box;
}

QGridLayout* MakePanelLayout(QWidget* panel)
{
    panel->setContentsMargins(10, 10, 10, 10);
    auto* grid = new QGridLayout;
    grid->setSpacing(10);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 2);
    auto* layout = new QVBoxLayout(panel);
    layout->setObjectName(QStringLiteral("pMainWinLayout"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addLayout(grid);
    layout->addStretch();
    return grid;
}

QTimer* NewUpdateTimer(QWidget* owner)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QStringLiteral("updateTimer"));
    timer->start(VFuncTextPage::kUpdateInterval);
    return timer;
}

} // namespace TextMenuControls
