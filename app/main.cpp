// The program's entry. It links nothing of Qt, so that it can decide cheaply
// whether the windows are needed at all, and then loads them.
#include "quickcheck.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdio.h>
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

} // namespace

int main(int argc, char *argv[])
{
    // A login reminder that finds nothing for today ends here, before the
    // desktop libraries are loaded or a display is needed.
    if (reminder::endsSilently(argc, argv))
        return 0;

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
