#include "builder/IconPatch.h"

#include "document/IconFile.h"

#include <algorithm>

namespace {

constexpr qsizetype kUnitSize = 2;

}  // namespace

IconPatch::Outcome IconPatch::apply(QByteArray& templateBytes, QByteArrayView defaultIcon,
                                    QByteArrayView chosenIcon, int* replaced)
{
    if (defaultIcon.size() <= IconFile::kDataOffset) {
        return Outcome::DefaultIconTooShort;
    }
    if (chosenIcon.size() <= IconFile::kDataOffset) {
        return Outcome::ChosenIconTooShort;
    }
    const QByteArrayView oldData = defaultIcon.sliced(IconFile::kDataOffset);
    const QByteArrayView chosenData = chosenIcon.sliced(IconFile::kDataOffset);
    if (chosenData.size() > oldData.size()) {
        return Outcome::ChosenIconTooLarge;
    }
    QByteArray newData = chosenData.toByteArray();
    newData.append(oldData.size() - chosenData.size(), '\0');

    int count = 0;
    qsizetype from = 0;
    while (true) {
        const qsizetype found = QByteArrayView(templateBytes).indexOf(oldData, from);
        if (found < 0) {
            break;
        }
        if (found % kUnitSize != 0) {
            from = found + 1;
            continue;
        }
        std::copy(newData.cbegin(), newData.cend(), templateBytes.begin() + found);
        ++count;
        from = found + oldData.size();
    }
    if (replaced != nullptr) {
        *replaced = count;
    }
    return count > 0 ? Outcome::Replaced : Outcome::DefaultIconNotFound;
}
