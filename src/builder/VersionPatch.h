#pragma once

#include "document/VersionResource.h"

#include <QByteArray>

#include <optional>

// Writes the version texts into a copy of the runtime template, in the places the saver reads
// them from (VersionResource).
class VersionPatch {
public:
    // The first key that is missing or has no room for its value behind it, if any.
    static std::optional<VersionResource::Key> findMissing(QByteArrayView bytes);
    // Writes every value whose key has room. The places are all found before the first write,
    // so a value that happens to contain a key's text cannot move another value. The length
    // of `bytes` never changes.
    static void apply(QByteArray& bytes, const VersionResource::Values& values);
};
