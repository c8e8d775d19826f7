#pragma once
// Helpers for tests of the one Core object.
#include "Core.h"

#include <QSize>
#include <QString>

// Core is one object for the whole process: every test case starts from a
// clean state with its own work folder and canvas size.
inline void ResetCore(const QString& workFolder, QSize canvas)
{
    Core* core = Core::instance();
    core->Rows.clear();
    core->Layers.clear();
    core->CurrentRow = 0;
    core->Subtitle.Events.clear();
    core->Subtitle.Styles = {SubtitleParser::MakeDefaultStyle()};
    core->SetWorkFolderQuery([workFolder]() { return workFolder; });
    core->SetCanvasSizeQuery([canvas]() { return canvas; });
}

inline ST_OPTS MakeRow(int width, int height, const QString& path = QString())
{
    ST_OPTS opts;
    InitOpts(&opts);
    opts.width = width;
    opts.height = height;
    opts.path = path;
    return opts;
}
