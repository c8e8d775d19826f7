// The player's drawing surface. On X11 (Qt on xcb and SDL on x11) SDL draws
// straight into the host widget's own native window; its position follows the
// host's geometry, so the player only sets its size. Anywhere else (offscreen
// tests, Wayland, no display) a hidden SDL window stands in, so playback,
// positions, seeks and picture grabs still work without a picture on screen.
#include "ffplay_internal.h"

#include <cstring>

#include <QGuiApplication>

SDL_Window* create_player_window(QWidget* host, int width, int height)
{
    g_native_window = false;
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool x11 = host && qobject_cast<QGuiApplication*>(QCoreApplication::instance())
        && QGuiApplication::platformName() == QLatin1String("xcb") && driver && !std::strcmp(driver, "x11");
    if (x11) {
        // Never hand SDL anything but an X11 window id.
        host->setAttribute(Qt::WA_NativeWindow);
        const WId id = host->winId();
        if (id) {
            SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, "1");
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
