#include "runtime/windows/OwnProgramFile.h"

#include "runtime/SaverTexts.h"
#include "runtime/windows/WideText.h"

#include <windows.h>

namespace {

constexpr DWORD kLongPath = 32768;
constexpr DWORD kReadChunk = DWORD(1) << 24;

}  // namespace

std::wstring OwnProgramFile::fileName() const
{
    const std::size_t slash = path_.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path_ : path_.substr(slash + 1);
}

void OwnProgramFile::locate()
{
    path_.assign(kLongPath, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path_.data(), kLongPath);
    path_.resize(length);
}

bool OwnProgramFile::read()
{
    locate();
    const HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error_ = std::string(SaverTexts::kUnreadable) + WideText::toUtf8(path_);
        return false;
    }
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) != 0 && size.QuadPart >= 0;
    if (ok) {
        bytes_.resize(std::size_t(size.QuadPart));
        std::size_t done = 0;
        while (ok && done < bytes_.size()) {
            DWORD got = 0;
            const DWORD want = DWORD(std::min<std::size_t>(bytes_.size() - done, kReadChunk));
            ok = ReadFile(file, bytes_.data() + done, want, &got, nullptr) != 0 && got > 0;
            done += got;
        }
    }
    CloseHandle(file);
    if (!ok) {
        bytes_.clear();
        error_ = std::string(SaverTexts::kUnreadable) + WideText::toUtf8(path_);
    }
    return ok;
}
