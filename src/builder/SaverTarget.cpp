#include "builder/SaverTarget.h"

#include <algorithm>

namespace {

constexpr QByteArrayView kElfMagic(
    "\x7f"
    "ELF");
constexpr QByteArrayView kPeMagic("MZ");

}  // namespace

namespace SaverTargets {

const Entry& entry(SaverTarget target)
{
    return *std::find_if(kAll.begin(), kAll.end(),
                         [target](const Entry& each) { return each.target == target; });
}

QString templateName(SaverTarget target)
{
    return QString::fromLatin1(entry(target).templateName);
}

std::optional<SaverTarget> fromName(const QString& name)
{
    for (const Entry& each : kAll) {
        if (name.compare(QLatin1String(each.name), Qt::CaseInsensitive) == 0) {
            return each.target;
        }
    }
    return std::nullopt;
}

std::optional<SaverTarget> ofProgram(QByteArrayView bytes)
{
    if (bytes.startsWith(kElfMagic)) {
        return SaverTarget::Linux;
    }
    if (bytes.startsWith(kPeMagic)) {
        return SaverTarget::Windows;
    }
    return std::nullopt;
}

}  // namespace SaverTargets
