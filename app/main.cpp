// The program's entry. It links nothing of Qt, so that it can decide cheaply
// whether the windows are needed at all, and then loads them.
#include "quickcheck.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

namespace {

using GuiMain = int (*)(int, char **);

// Directory of the running executable, with a trailing '/'.
bool executableDir(char *out, size_t size)
{
    const ssize_t n = readlink("/proc/self/exe", out, size - 1);
    if (n <= 0)
        return false;
    out[n] = '\0';
    char *slash = strrchr(out, '/');
    if (!slash)
        return false;
    slash[1] = '\0';
    return true;
}

void *loadGui()
{
    char path[PATH_MAX + 64];
    if (!executableDir(path, PATH_MAX))
        return nullptr;
    strcat(path, KALIVO_GUI_LIBRARY);
    if (void *handle = dlopen(path, RTLD_LAZY | RTLD_LOCAL))
        return handle;
    fprintf(stderr, "kalivo: %s\n", dlerror());
    return nullptr;
}

bool isSet(const char *name)
{
    const char *value = getenv(name);
    return value && *value;
}

// Whether the windows have a place to go: a display, or a platform chosen
// for Qt by its own variable or argument. Without one, Qt would abort with a
// core dump.
bool hasDisplay(int argc, char *argv[])
{
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "-platform") == 0 || strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // A login reminder that finds nothing for today ends here, before the
    // desktop libraries are loaded or a display is needed.
    if (reminder::endsSilently(argc, argv))
        return 0;

    if (!hasDisplay(argc, argv)) {
        fputs("kalivo: Kalivo needs a graphical desktop, and there is no display here"
              " (neither DISPLAY nor WAYLAND_DISPLAY is set)\n", stderr);
        return 1;
    }

    void *gui = loadGui();
    if (!gui)
        return 1;
    const auto guiMain = reinterpret_cast<GuiMain>(dlsym(gui, "kalivo_gui_main"));
    if (!guiMain) {
        fprintf(stderr, "kalivo: %s\n", dlerror());
        return 1;
    }
    return guiMain(argc, argv);
}
