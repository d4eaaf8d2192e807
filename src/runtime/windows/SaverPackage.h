#pragma once

#include "document/ExpectedOf.h"
#include "document/PackageReader.h"

#include <string_view>

// The show behind the program in a built saver's file, checked fully before use. The refusals
// are SaverTexts' kNoPackage, and kBrokenPackage followed by the reader's reason.
class SaverPackage {
public:
    // `file` = the whole file (which must outlive the package).
    static CoreExpected<PackageView> read(std::string_view file);
};
