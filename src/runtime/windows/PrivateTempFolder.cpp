#include "runtime/windows/PrivateTempFolder.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

constexpr int kAttempts = 100;
constexpr DWORD kWriteChunk = DWORD(1) << 24;

}  // namespace

PrivateTempFolder::~PrivateTempFolder()
{
    for (const std::wstring& file : files_) {
        DeleteFileW(file.c_str());
    }
    if (!folder_.empty()) {
        RemoveDirectoryW(folder_.c_str());
    }
}

bool PrivateTempFolder::make()
{
    if (!folder_.empty()) {
        return true;
    }
    wchar_t base[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, base);
    if (length == 0 || length > MAX_PATH) {
        return false;
    }
    const std::wstring stem =
        std::wstring(base) + L"kremoa-" + std::to_wstring(GetCurrentProcessId());
    // Another saver (or an earlier one of the same process id) may hold the first name.
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::wstring candidate = stem + L"-" + std::to_wstring(attempt);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            folder_ = candidate;
            return true;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
    }
    return false;
}

std::wstring PrivateTempFolder::write(const std::wstring& name, std::string_view bytes)
{
    if (!make()) {
        return {};
    }
    const std::wstring path = folder_ + L"\\" + name;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    if (std::find(files_.begin(), files_.end(), path) == files_.end()) {
        files_.push_back(path);
    }
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        DWORD written = 0;
        const DWORD want = DWORD(std::min<std::size_t>(bytes.size() - done, kWriteChunk));
        ok = WriteFile(file, bytes.data() + done, want, &written, nullptr) != 0 && written > 0;
        done += written;
    }
    CloseHandle(file);
    return ok ? path : std::wstring();
}
