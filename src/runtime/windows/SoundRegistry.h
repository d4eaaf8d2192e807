#pragma once

#include "runtime/SoundChoice.h"

#include <string>

// A saver's sound switches in the registry, per saver in the key kProgramKey of
// HKEY_CURRENT_USER, under the saver's title, so two savers built from different shows keep their
// own settings. Both are on until changed.
class SoundRegistry {
public:
    explicit SoundRegistry(std::wstring saverName);

    SoundChoice load() const;
    // Whether both values were stored.
    bool save(const SoundChoice& choice) const;

    static inline const std::wstring kProgramKey = L"Software\\kremoa";

private:
    std::wstring key_;
};
