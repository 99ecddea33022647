// The operating-system services the program calls directly.
#include "platform/win32/Win32Native.h"

#include "platform/CommandLine.h"
#include "platform/System.h"

System::GuardResult System::CreateGuard(const char* name) {
    // The handle is never closed: the guard lives until the process ends.
    HANDLE guard = CreateSemaphoreA(nullptr, 1, 1, name);
    if (guard == nullptr) {
        return GuardResult::Failed;
    }
    return GetLastError() == ERROR_ALREADY_EXISTS ? GuardResult::AlreadyExists
                                                  : GuardResult::Created;
}

bool System::FindWindowByClass(const char* className) {
    return FindWindowA(className, nullptr) != nullptr;
}

void System::Beep() {
    MessageBeep(0);
}

TPoint System::GetCursorPos() {
    POINT p{};
    if (!::GetCursorPos(&p)) {
        return TPoint{};
    }
    return TPoint{p.x, p.y};
}

TPoint System::PrimaryScreenSize() {
    return TPoint{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::string System::AnsiUpperCase(std::string text) {
    if (!text.empty()) {
        CharUpperBuffA(text.data(), DWORD(text.size()));
    }
    return text;
}

std::vector<std::string> System::ParamStrs() {
    return SplitCommandLine(GetCommandLineA());
}
