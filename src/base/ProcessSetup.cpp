#include "base/ProcessSetup.h"

#ifdef _WIN32
#include <windows.h>

#include <string>

void prepareProcess() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD n;
    while ((n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(n);
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos) SetCurrentDirectoryW(path.substr(0, slash).c_str());
    SetConsoleOutputCP(CP_UTF8);
}

#else

void prepareProcess() {}

#endif
