// Linked into every test program. Qt's D-Bus thread (started on xcb by the
// accessibility bridge as soon as a widget changes) is detached: the static
// destructor that ends it at exit returns while it still runs its own end, and
// a leak check then finds its per-thread data unreferenced. Registered before
// any of Qt's, this handler runs after that destructor and lets the thread end
// (system calls only: Qt's statics are gone by then).
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

static bool DBusThreadRuns()
{
    DIR* tasks = ::opendir("/proc/self/task");
    if (!tasks)
        return false;
    bool found = false;
    while (const dirent* task = ::readdir(tasks)) {
        char name[16] = {};  // the class name, cut to the kernel's 15 characters
        const int fd = ::open(("/proc/self/task/" + std::string(task->d_name) + "/comm").c_str(), O_RDONLY);
        found = found || (fd >= 0 && ::read(fd, name, 15) == 15 && !std::strcmp(name, "QDBusConnection"));
        if (fd >= 0)
            ::close(fd);
    }
    ::closedir(tasks);
    return found;
}

[[maybe_unused]] static const bool s_waits = (std::atexit([] {
    const timespec step{0, 1000000};
    for (int i = 0; i < 5000 && DBusThreadRuns(); ++i)
        ::nanosleep(&step, nullptr);
}), true);
