// The file system calls on Windows, made with its own functions. Paths are
// narrow strings in the ANSI code page, as the C library's fopen takes them.
#include "base/FileCalls.h"

#include <windows.h>

#include <algorithm>

namespace {

std::wstring widePath(const std::string& path) {
    if (path.empty()) return {};
    const int size = static_cast<int>(path.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), size, &wide[0], n);
    return wide;
}

// Writes every byte, going on after short writes.
bool writeAll(HANDLE file, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1 << 20));
        DWORD n = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &n, nullptr) || n == 0) return false;
        written += n;
    }
    return true;
}

}  // namespace

bool readWholeFile(const std::string& path, std::string& bytes) {
    // Another program may read, write or rename the file meanwhile, as on
    // POSIX systems. A folder cannot be opened this way and fails.
    const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char buffer[4096];
    DWORD n = 0;
    bool ok;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &n, nullptr)) && n > 0) bytes.append(buffer, n);
    CloseHandle(file);
    return ok;
}

bool isRegularFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE));
}

bool removeFile(const std::string& path) { return DeleteFileW(widePath(path).c_str()) != 0; }

bool createSyncedFile(const std::string& path, const std::string& bytes) {
    const std::wstring wide = widePath(path);
    // CREATE_NEW fails on anything of that name, a link or a dangling link too.
    if (GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = writeAll(file, bytes) && FlushFileBuffers(file);
    if (!CloseHandle(file)) ok = false;
    if (!ok) DeleteFileW(wide.c_str());
    return ok;
}

bool replaceFile(const std::string& from, const std::string& to) {
    // Write-through: the call returns once the rename is on disk.
    return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool syncFolderOf(const std::string&) {
    // Windows has no flush of a folder: replaceFile writes each rename through.
    return true;
}
