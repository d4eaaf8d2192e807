#pragma once

#include <QString>

#include <optional>

// Reads what the user typed into a numeric box the way the program's number checks expect:
// a decimal number (sign, fraction and exponent allowed, spaces around it ignored) that is
// finite, in plain or full-width characters. Anything else, the empty text included, is not a
// number.
class NumericText {
public:
    static std::optional<double> value(const QString& text);
    // A number being typed that is not one yet: nothing, or a sign alone.
    static bool isUnfinished(const QString& text);
};
