// The program's start-up on Win32: the application object, titled after the executable.
#include "platform/win32/Win32Native.h"

#include "platform/Startup.h"
#include "platform/TApplication.h"

#include <string>

namespace {

std::string ModulePath() {
    std::string path(MAX_PATH, '\0');
    while (true) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), DWORD(path.size()));
        if (n < path.size() || path.size() >= 32768) {
            path.resize(n < path.size() ? n : path.size());
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

// The arguments come from the system's command line (System::ParamStrs), not from argv.
int StartProgram(int, char**, int (*entry)()) {
    int code = 0;
    {
        TApplication app;
        app.Title = TApplication::TitleFromPath(ModulePath());
        Application = &app;
        code = entry();
        // The application object goes at the end of the process, destroying its forms.
    }
    Application = nullptr;
    return code;
}
