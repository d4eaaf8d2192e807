#include "dialogs/NumericText.h"

#include <cmath>

std::optional<double> NumericText::value(const QString& text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}
