#include "LumacrestResources.h"

#include <QtGlobal>

static void RegisterIcons()
{
    Q_INIT_RESOURCE(lumacrest_resources);
}

void InitLumacrestResources()
{
    static const bool registered = (RegisterIcons(), true);
    Q_UNUSED(registered);
}
