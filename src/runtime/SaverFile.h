#pragma once

#include "document/Expected.h"
#include "document/PackageReader.h"
#include "runtime/OwnFile.h"
#include "runtime/SaverIdentity.h"
#include "runtime/SaverTexts.h"

#include <QString>

#include <optional>

// A built screen saver opened from its own file: its identity (title, version, icon) and the
// validated package at its end.
class SaverFile {
public:
    static inline const QString kNoPackage = QString::fromUtf8(SaverTexts::kNoPackage);
    static inline const QString kBrokenPackage = QString::fromUtf8(SaverTexts::kBrokenPackage);
    static inline const QString kUnreadable = QString::fromUtf8(SaverTexts::kUnreadable);

    // defaultIcon = the icon file the runtime was built with. On failure the error says what
    // is wrong in Japanese, and package() must not be called.
    [[nodiscard]] Status open(const QString& path, QByteArrayView defaultIcon);

    // The package behind the program in a saver's bytes (which must outlive it), checked as
    // open() checks it.
    static Expected<PackageView> readPackage(QByteArrayView bytes);

    const SaverIdentity& identity() const { return identity_; }
    const PackageView& package() const
    {
        Q_ASSERT(package_);
        return *package_;
    }
    qint64 size() const { return file_.bytes().size(); }

private:
    OwnFile file_;
    SaverIdentity identity_;
    std::optional<PackageView> package_;
};
