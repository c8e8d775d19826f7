#include "ReverseFilePostJobAction.h"

#include <QFile>

ReverseFilePostJobAction::ReverseFilePostJobAction(const QString& srcFile, const QString& dstFile,
                                                   const QString& fileToRemove)
    : FilePropertiesPostJobAction(srcFile, dstFile)
    , m_remove(fileToRemove)
{
}

void ReverseFilePostJobAction::doAction()
{
    FilePropertiesPostJobAction::doAction();
    if (!m_remove.isEmpty())
        QFile::remove(m_remove);
}
