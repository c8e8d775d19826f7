#pragma once
#include "FilePropertiesPostJobAction.h"

// Copies the file times like its base, then removes a file that is no longer
// needed.
class ReverseFilePostJobAction : public FilePropertiesPostJobAction
{
public:
    ReverseFilePostJobAction(const QString& srcFile, const QString& dstFile, const QString& fileToRemove);
    void doAction() override;

private:
    QString m_remove;
};
