#include "runtime/windows/SaverPackage.h"

#include "runtime/SaverTexts.h"
#include "runtime/windows/PeExtent.h"

#include <string>

CoreExpected<PackageView> SaverPackage::read(std::string_view file)
{
    // The template is padded to an even length; nothing behind it means no show was built in.
    if (const std::optional<std::int64_t> programEnd = PeExtent::end(file)) {
        if (std::int64_t(file.size()) <= *programEnd + *programEnd % 2) {
            return CoreExpected<PackageView>::failure(std::string(SaverTexts::kNoPackage));
        }
    }
    CoreExpected<PackageView> package = PackageReader::readTrailing(file);
    if (!package) {
        return CoreExpected<PackageView>::failure(std::string(SaverTexts::kBrokenPackage) +
                                                  package.error());
    }
    return package;
}
