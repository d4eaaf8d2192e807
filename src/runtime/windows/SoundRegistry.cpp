#include "runtime/windows/SoundRegistry.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr wchar_t kBgmValue[] = L"bgm";
constexpr wchar_t kSoundEffectsValue[] = L"soundEffects";

bool readSwitch(HKEY key, const wchar_t* name, bool fallback)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return fallback;
    }
    return value != 0;
}

bool writeSwitch(HKEY key, const wchar_t* name, bool on)
{
    const DWORD value = on ? 1 : 0;
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value)) == ERROR_SUCCESS;
}

}  // namespace

SoundRegistry::SoundRegistry(std::wstring saverName)
{
    // A backslash in a title would make a key inside a key.
    std::replace(saverName.begin(), saverName.end(), L'\\', L'_');
    key_ = kProgramKey + L"\\" + saverName;
}

SoundChoice SoundRegistry::load() const
{
    SoundChoice choice;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return choice;
    }
    choice.bgm = readSwitch(key, kBgmValue, true);
    choice.soundEffects = readSwitch(key, kSoundEffectsValue, true);
    RegCloseKey(key);
    return choice;
}

bool SoundRegistry::save(const SoundChoice& choice) const
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool bgm = writeSwitch(key, kBgmValue, choice.bgm);
    const bool soundEffects = writeSwitch(key, kSoundEffectsValue, choice.soundEffects);
    RegCloseKey(key);
    return bgm && soundEffects;
}
