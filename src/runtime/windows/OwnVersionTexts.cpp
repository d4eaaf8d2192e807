#include "runtime/windows/OwnVersionTexts.h"

#include <windows.h>

#include <vector>

namespace {

// The query names are built from narrow text at run time: the builder patches the first UTF-16
// occurrence of each key in the file, which must be the one in the version resource.
constexpr char kTablePath[] = "\\StringFileInfo\\041104B0\\";
constexpr char kDescriptionKey[] = "FileDescription";
constexpr char kVersionKey[] = "FileVersion";

std::wstring widened(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

std::wstring value(std::vector<unsigned char>& info, const char* key)
{
    const std::wstring query = widened(std::string(kTablePath) + key);
    void* found = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), query.c_str(), &found, &length) || found == nullptr) {
        return {};
    }
    // The value is padded with U+0000 to the builder's width.
    const auto* text = static_cast<const wchar_t*>(found);
    std::wstring result(text, length);
    result.resize(wcsnlen(result.c_str(), result.size()));
    return result;
}

}  // namespace

OwnVersionTexts OwnVersionTexts::read(const std::wstring& path)
{
    OwnVersionTexts texts;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        return texts;
    }
    std::vector<unsigned char> info(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data())) {
        return texts;
    }
    texts.title = value(info, kDescriptionKey);
    texts.version = value(info, kVersionKey);
    return texts;
}
