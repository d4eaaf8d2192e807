#include "dialogs/NumericText.h"

#include <cmath>

std::optional<double> NumericText::value(const QString& text)
{
    // Compatibility folding turns digits, signs, points and spaces typed in full width with a
    // Japanese input method into their plain forms.
    bool ok = false;
    const double number = text.normalized(QString::NormalizationForm_KC).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}
