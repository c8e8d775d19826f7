#pragma once
#include "PostJobAction.h"

#include <QString>

// Gives the destination file the source file's access and modification times.
class FilePropertiesPostJobAction : public PostJobAction
{
public:
    FilePropertiesPostJobAction(const QString& srcFile, const QString& dstFile);
    void doAction() override;

protected:
    QString m_src;
    QString m_dst;
};
