#pragma once

#include "document/ExpectedOf.h"
#include "document/PackageReader.h"

#include <string>
#include <string_view>

// The show behind the program in a built saver's file, checked fully before use. The refusals
// are the Linux saver's texts.
class SaverPackage {
public:
    static inline const std::string kNoPackage =
        "このファイルにはスクリーンセーバーのデータが入っていません。";
    static inline const std::string kBrokenPackage = "スクリーンセーバーのデータが壊れています: ";

    // `file` = the whole file (which must outlive the package).
    static CoreExpected<PackageView> read(std::string_view file);
};
