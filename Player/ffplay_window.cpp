// The player's drawing surface. On X11 (Qt on xcb and SDL on x11) SDL draws
// straight into the host widget's own native window; its position follows the
// host's geometry, so the player only sets its size. Anywhere else (offscreen
// tests, Wayland, no display) a hidden SDL window stands in, so playback,
// positions, seeks and picture grabs still work without a picture on screen.
//
// The host is watched while a stream plays: Qt's repaints and exposes of it
// draw the last picture again, and its native window going away releases the
// renderer first (drawing into a destroyed X window crashes the renderer).
#include "ffplay.h"
#include "ffplay_internal.h"

#include <cstring>

#include <QEvent>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>

void JxPlayerPrepareHost(QWidget* host)
{
    if (!host)
        return;
    // Its own native window, which Qt neither fills nor paints: the player
    // alone draws there.
    host->setAttribute(Qt::WA_NativeWindow);
    host->setAttribute(Qt::WA_NoSystemBackground);
    host->setAttribute(Qt::WA_OpaquePaintEvent);
    host->setAutoFillBackground(false);
    host->setUpdatesEnabled(false);
}

namespace {
class HostWatcher : public QObject
{
public:
    QPointer<QWidget> host;
    QPointer<QWindow> window;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Expose:
        case QEvent::Paint:
        case QEvent::UpdateRequest:
            if (cur_stream)
                cur_stream->force_refresh = 1;
            break;
        case QEvent::PlatformSurface:
            if (watched == window
                && static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType()
                    == QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
                player_host_lost();
            break;
        default:
            break;
        }
        return false;
    }
};

HostWatcher* s_watcher = nullptr;
}  // namespace

void watch_host(QWidget* host)
{
    unwatch_host();
    if (!host)
        return;
    s_watcher = new HostWatcher;
    s_watcher->host = host;
    host->installEventFilter(s_watcher);
    if (g_native_window && host->windowHandle()) {
        s_watcher->window = host->windowHandle();
        s_watcher->window->installEventFilter(s_watcher);
    }
    // Where no native window of the host is drawn into, its end still ends
    // the playback it was shown for.
    QObject::connect(host, &QObject::destroyed, s_watcher, []() { player_host_lost(); });
}

void unwatch_host()
{
    if (!s_watcher)
        return;
    HostWatcher* watcher = s_watcher;
    s_watcher = nullptr;
    if (watcher->host) {
        watcher->host->removeEventFilter(watcher);
        QObject::disconnect(watcher->host, nullptr, watcher, nullptr);
    }
    if (watcher->window)
        watcher->window->removeEventFilter(watcher);
    // May run inside the watcher's own filter or slot: deleted once back in the loop.
    watcher->deleteLater();
}

SDL_Window* create_player_window(QWidget* host, int width, int height)
{
    g_native_window = false;
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool x11 = host && qobject_cast<QGuiApplication*>(QCoreApplication::instance())
        && QGuiApplication::platformName() == QLatin1String("xcb") && driver && !std::strcmp(driver, "x11");
    if (x11) {
        // Never hand SDL anything but an X11 window id.
        JxPlayerPrepareHost(host);
        const WId id = host->winId();
        if (id) {
            // An OpenGL renderer needs the host's window made an OpenGL one,
            // which loads the GL driver and its threads. Told to render in
            // software, SDL needs no GL at all: neither for the host's window
            // nor to present the picture.
            const char* renderer = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
            const bool gl = !renderer || !*renderer || !std::strncmp(renderer, "opengl", 6);
            SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, gl ? "1" : "0");
            if (!gl)
                SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
            SDL_Window* window = SDL_CreateWindowFrom(reinterpret_cast<const void*>(static_cast<uintptr_t>(id)));
            if (window) {
                g_native_window = true;
                return window;
            }
            av_log(nullptr, AV_LOG_WARNING, "Cannot draw into the host window: %s\n", SDL_GetError());
        }
    }
    return SDL_CreateWindow("Lumacrest", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                            width > 0 ? width : 640, height > 0 ? height : 480, SDL_WINDOW_HIDDEN);
}

SDL_Renderer* create_player_renderer(SDL_Window* window)
{
    SDL_Renderer* renderer =
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) {
        av_log(nullptr, AV_LOG_WARNING, "Failed to initialize a hardware accelerated renderer: %s\n",
               SDL_GetError());
        renderer = SDL_CreateRenderer(window, -1, 0);
    }
    if (renderer) {
        SDL_RendererInfo info;
        if (!SDL_GetRendererInfo(renderer, &info)) {
            av_log(nullptr, AV_LOG_VERBOSE, "Initialized %s renderer.\n", info.name);
            set_renderer_texture_formats(info);
        }
    }
    return renderer;
}
