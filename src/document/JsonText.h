#pragma once

#include <string>
#include <string_view>

// JSON string literals for the program's line and summary formats.
class JsonText {
public:
    // `utf8` in double quotes, with the quote, the backslash and control characters escaped
    // (\b \f \n \r \t, others as \u00XX); every other byte is kept, so UTF-8 stays readable.
    static std::string quoted(std::string_view utf8);
};
