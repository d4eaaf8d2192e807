#include "dialogs/NumericText.h"

#include <cmath>

namespace {

// Compatibility folding turns digits, signs, points and spaces typed in full width with a
// Japanese input method into their plain forms.
QString folded(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).trimmed();
}

}  // namespace

std::optional<double> NumericText::value(const QString& text)
{
    bool ok = false;
    const double number = folded(text).toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

bool NumericText::isUnfinished(const QString& text)
{
    const QString plain = folded(text);
    return plain.isEmpty() || plain == u"-" || plain == u"+";
}
