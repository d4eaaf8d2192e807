#pragma once

#include "document/PackageReader.h"
#include "runtime/OwnFile.h"
#include "runtime/SaverIdentity.h"

#include <QString>

#include <optional>

// A built screen saver opened from its own file: its identity (title, version, icon) and the
// validated package at its end. When anything is wrong, error() says what in Japanese.
class SaverFile {
public:
    static inline const QString kNoPackage =
        QStringLiteral("このファイルにはスクリーンセーバーのデータが入っていません。");
    static inline const QString kBrokenPackage =
        QStringLiteral("スクリーンセーバーのデータが壊れています: ");
    static inline const QString kUnreadable = QStringLiteral("ファイルを読めません: ");

    // defaultIcon = the icon file the runtime was built with.
    bool open(const QString& path, QByteArrayView defaultIcon);

    const QString& error() const { return error_; }
    const SaverIdentity& identity() const { return identity_; }
    const PackageView& package() const { return *package_; }
    qint64 size() const { return file_.bytes().size(); }

private:
    OwnFile file_;
    SaverIdentity identity_;
    std::optional<PackageView> package_;
    QString error_;
};
