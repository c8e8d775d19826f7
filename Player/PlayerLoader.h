#pragma once
// The program's side of the preview player: the JxPlayer* functions of
// ffplay.h load the player module (PlayerModule.h) when a preview first needs
// it and forward to it. Until then nothing has played, so the functions that
// ask about a stream answer "no stream" without loading anything.
#include <QString>

namespace PlayerLoader {
// The folder the module is loaded from; the application folder unless a test
// has set another. Only used by the next attempt to load it.
QString ModuleFolder();
void SetModuleFolderForTests(const QString& folder);
// The module is loaded (it stays loaded for the rest of the process).
bool IsLoaded();
}  // namespace PlayerLoader
