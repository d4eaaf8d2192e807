#include "VersionCommand.h"

#include "ProbeText.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr std::array<const wchar_t*, 10> kVersionKeys = {
    L"Comments",    L"CompanyName", L"FileDescription", L"LegalCopyright", L"LegalTrademarks",
    L"ProductName", L"FileVersion", L"ProductVersion",  L"InternalName",   L"OriginalFilename"};

struct Translation {
    WORD language;
    WORD codePage;
};

}  // namespace

int versionCommand(const std::wstring& file)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) {
        ProbeText::err("no version information\n");
        return 1;
    }
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) {
        ProbeText::err("the version information cannot be read\n");
        return 1;
    }
    Translation* translations = nullptr;
    UINT translationBytes = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &translationBytes) ||
        translationBytes < sizeof(Translation)) {
        ProbeText::err("no translation in the version information\n");
        return 1;
    }
    for (const wchar_t* key : kVersionKeys) {
        wchar_t path[64];
        std::swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\%ls", translations[0].language,
                      translations[0].codePage, key);
        wchar_t* value = nullptr;
        UINT length = 0;
        if (VerQueryValueW(block.data(), path, reinterpret_cast<void**>(&value), &length)) {
            // The value ends at its first U+0000: the padding the builder writes is not text.
            const std::wstring text = value != nullptr && length > 0 ? value : L"";
            ProbeText::out(ProbeText::utf8(key) + "=" + ProbeText::utf8(text) + "\n");
        }
    }
    return 0;
}
