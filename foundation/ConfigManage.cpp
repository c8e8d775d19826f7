#include "ConfigManage.h"

ConfigManage::ConfigManage(QObject* parent)
    : QObject(parent)
{
}

ConfigManage::~ConfigManage()
{
    while (!Infos.isEmpty())
        delete Infos.takeLast();
}
