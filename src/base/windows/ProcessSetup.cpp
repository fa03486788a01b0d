// The process set-up on Windows: the working directory and the console's
// code page.
#include "base/ProcessSetup.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path exeFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD n;
    while ((n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(n);
    return fs::path(path).parent_path();
}

// Copies the folder unless its copy is there, through a temporary name, so
// a copy cut short is never taken for a whole one. True when the copy is
// there afterwards.
bool copyOnce(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (fs::is_directory(to, error)) return true;
    fs::path partial = to;
    partial += L".partial";
    fs::remove_all(partial, error);
    fs::copy(from, partial, fs::copy_options::recursive, error);
    if (!error) fs::rename(partial, to, error);
    fs::remove_all(partial, error);
    return fs::is_directory(to, error);
}

// The installed tree may be read-only and shared by several users: each
// works in a folder of their own. Empty when it cannot be made.
fs::path userFolder(const fs::path& installed) {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (!appData || !*appData) return {};
    const fs::path home = fs::path(appData) / L"navigation-system";
    std::error_code error;
    fs::create_directories(home, error);
    for (const wchar_t* folder : {L"Data", L"resource", L"fonts"})
        if (!copyOnce(installed / folder, home / folder)) return {};
    return home;
}

}  // namespace

void prepareProcess() {
    SetConsoleOutputCP(CP_UTF8);
    const fs::path folder = exeFolder();
    fs::path work = folder;
    std::error_code error;
    if (fs::exists(folder / L"installed.txt", error)) {
        work = userFolder(folder);
        if (work.empty()) {
            std::fputs("navigation-system: %APPDATA%\\navigation-system cannot be prepared; "
                       "working in the install folder, where saves may fail\n", stderr);
            work = folder;
        }
    }
    SetCurrentDirectoryW(work.c_str());
}
