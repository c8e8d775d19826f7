#pragma once
#include <QList>
#include <QObject>

#include "ConfigInfo.h"

// Owns a list of format entries; they are deleted, last first, with it.
class ConfigManage : public QObject
{
    Q_OBJECT
public:
    explicit ConfigManage(QObject* parent = nullptr);
    ~ConfigManage() override;

    QList<ConfigInfo*> Infos;

private:
    Q_DISABLE_COPY(ConfigManage)
};
