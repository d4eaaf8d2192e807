#include "effects/RecordedOperation.h"

// Plain strings rather than a string stream: the Windows saver links this, and streams would
// bring the C++ locale machinery into it, most of its size.

namespace {

const char* sourceName(Canvas::Source source)
{
    return source == Canvas::Source::Outgoing ? "out" : "in";
}

void writeRect(std::string& out, const std::array<int, 4>& rect)
{
    for (std::size_t i = 0; i < rect.size(); ++i) {
        out += i == 0 ? '[' : ',';
        out += std::to_string(rect[i]);
    }
    out += ']';
}

void writePoints(std::string& out, const std::vector<Canvas::Point>& points)
{
    out += '[';
    for (std::size_t i = 0; i < points.size(); ++i) {
        out += (i == 0 ? "[" : ",[") + std::to_string(points[i].x) + ',' +
               std::to_string(points[i].y) + ']';
    }
    out += ']';
}

}  // namespace

std::string RecordedOperation::toJson() const
{
    std::string out;
    switch (kind) {
        case Kind::Copy:
            out = std::string(R"({"op":"copy","src":")") + sourceName(source) + R"(","dst":)";
            writeRect(out, rect);
            out += R"(,"at":[)" + std::to_string(at.x) + ',' + std::to_string(at.y) + "]}";
            break;
        case Kind::Stretch:
            out = std::string(R"({"op":"stretch","src":")") + sourceName(source) + R"(","dst":)";
            writeRect(out, rect);
            out += '}';
            break;
        case Kind::Fill:
            out = R"({"op":"fill"})";
            break;
        case Kind::ClipEllipse:
            out = R"({"op":"clip","ellipse":)";
            writeRect(out, rect);
            out += '}';
            break;
        case Kind::ClipPolygon:
            out = R"({"op":"clip","polygon":)";
            writePoints(out, points);
            out += '}';
            break;
        case Kind::Unclip:
            out = R"({"op":"unclip"})";
            break;
        case Kind::Refresh:
            out = R"({"op":"refresh"})";
            break;
        case Kind::Wait:
            out = R"({"op":"wait","until":)" + std::to_string(until) + '}';
            break;
    }
    return out;
}
