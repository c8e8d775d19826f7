#include "PlayerLoader.h"
#include "PlayerModule.h"
#include "ffplay.h"

#include "AppFolder.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

int g_nPlayWindow = 0;

namespace {

const JxPlayerFunctions* g_player = nullptr;
QString g_folderForTests;

// The player's functions, loading the module on the first call; null when it
// cannot be loaded (missing, damaged, of another build). A failed load is tried
// again by the next call.
const JxPlayerFunctions* Player()
{
    if (g_player)
        return g_player;
    const QString path = QDir(PlayerLoader::ModuleFolder()).filePath(QStringLiteral(LUMACREST_PLAYER_MODULE));
    // Every symbol resolved now: a missing library fails here, not in the middle of a preview.
    void* module = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        qWarning() << "the preview player cannot be loaded:" << dlerror();
        return nullptr;
    }
    const auto entry = reinterpret_cast<JxPlayerModuleEntry>(dlsym(module, LUMACREST_PLAYER_ENTRY));
    const JxPlayerFunctions* functions = entry ? entry(kJxPlayerModuleVersion, &g_nPlayWindow) : nullptr;
    if (!functions) {
        qWarning() << "the preview player" << path << "is not this program's";
        dlclose(module);
        return nullptr;
    }
    g_player = functions;
    return g_player;
}

// Without the module nothing can play: the owner goes back to idle, as after a
// file that cannot be played, and the user is told why.
void NoPlayer(QWidget* owner)
{
    g_nPlayWindow = 0;
    QPointer<QWidget> window(owner ? owner->window() : nullptr);
    if (owner)
        QMetaObject::invokeMethod(owner, "OnStop", Qt::DirectConnection);
    QMessageBox::warning(window, window ? window->windowTitle() : QString(),
                         QCoreApplication::translate("PlayerLoader",
                                                     "The preview cannot play: the player (%1) is missing or "
                                                     "damaged. Conversions still work; reinstall the program to "
                                                     "preview videos.")
                             .arg(QStringLiteral(LUMACREST_PLAYER_MODULE)));
}

}  // namespace

QString PlayerLoader::ModuleFolder()
{
    return g_folderForTests.isEmpty() ? AppFolder::Path() : g_folderForTests;
}

void PlayerLoader::SetModuleFolderForTests(const QString& folder)
{
    g_folderForTests = folder;
}

bool PlayerLoader::IsLoaded()
{
    return g_player != nullptr;
}

int JxPlayerStart(const char* fileName, QWidget* host, QWidget* playerOwner, QWidget* editorOwner, int x, int y,
                  int width, int height)
{
    if (const JxPlayerFunctions* player = Player())
        return player->Start(fileName, host, playerOwner, editorOwner, x, y, width, height);
    NoPlayer(playerOwner ? playerOwner : editorOwner);
    return 0;
}

void JxPlayerPrepareHost(QWidget* host)
{
    if (const JxPlayerFunctions* player = Player())
        player->PrepareHost(host);
}

int JxPlayerAddVfilter(const char* filterText)
{
    const JxPlayerFunctions* player = Player();
    return player ? player->AddVfilter(filterText) : 0;
}

// Without the module nothing has ever played: the answers of "no stream".
int JxPlayerPause()
{
    return g_player ? g_player->Pause() : -1;
}

int JxPlayerStop()
{
    return g_player ? g_player->Stop() : 0;
}

int64_t JxPlayerGetPosition()
{
    return g_player ? g_player->GetPosition() : 0;
}

int JxPlayerSetPosition(double seconds)
{
    return g_player ? g_player->SetPosition(seconds) : -1;
}

int64_t JxPlayerGetDuration()
{
    return g_player ? g_player->GetDuration() : 0;
}

int JxPlayerResize(int x, int y, int width, int height)
{
    return g_player ? g_player->Resize(x, y, width, height) : 0;
}

int JxPlayerGetPlayState()
{
    return g_player ? g_player->GetPlayState() : 4;
}

int JxPlayerGetVolume()
{
    return g_player ? g_player->GetVolume() : -1;
}

int JxPlayerSetVolume(int volume)
{
    return g_player ? g_player->SetVolume(volume) : -1;
}

int JxPlayerGetPicture(QImage* out, int width, int height)
{
    return g_player ? g_player->GetPicture(out, width, height) : 0;
}
