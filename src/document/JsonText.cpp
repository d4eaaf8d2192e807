#include "document/JsonText.h"

namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr int kHighNibbleShift = 4;
constexpr unsigned char kNibbleMask = 0x0F;

}  // namespace

std::string JsonText::quoted(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < kFirstPrintable) {
                    const auto byte = static_cast<unsigned char>(c);
                    out += "\\u00";
                    out += kHexDigits[byte >> kHighNibbleShift];
                    out += kHexDigits[byte & kNibbleMask];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}
