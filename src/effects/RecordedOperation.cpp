#include "effects/RecordedOperation.h"

#include <sstream>

namespace {

const char* sourceName(Canvas::Source source)
{
    return source == Canvas::Source::Outgoing ? "out" : "in";
}

void writeRect(std::ostream& out, const std::array<int, 4>& rect)
{
    out << '[' << rect[0] << ',' << rect[1] << ',' << rect[2] << ',' << rect[3] << ']';
}

void writePoints(std::ostream& out, const std::vector<Canvas::Point>& points)
{
    out << '[';
    for (std::size_t i = 0; i < points.size(); ++i) {
        out << (i == 0 ? "" : ",") << '[' << points[i].x << ',' << points[i].y << ']';
    }
    out << ']';
}

}  // namespace

std::string RecordedOperation::toJson() const
{
    std::ostringstream out;
    switch (kind) {
        case Kind::Copy:
            out << R"({"op":"copy","src":")" << sourceName(source) << R"(","dst":)";
            writeRect(out, rect);
            out << R"(,"at":[)" << at.x << ',' << at.y << "]}";
            break;
        case Kind::Stretch:
            out << R"({"op":"stretch","src":")" << sourceName(source) << R"(","dst":)";
            writeRect(out, rect);
            out << '}';
            break;
        case Kind::Fill:
            out << R"({"op":"fill"})";
            break;
        case Kind::ClipEllipse:
            out << R"({"op":"clip","ellipse":)";
            writeRect(out, rect);
            out << '}';
            break;
        case Kind::ClipPolygon:
            out << R"({"op":"clip","polygon":)";
            writePoints(out, points);
            out << '}';
            break;
        case Kind::Unclip:
            out << R"({"op":"unclip"})";
            break;
        case Kind::Refresh:
            out << R"({"op":"refresh"})";
            break;
        case Kind::Wait:
            out << R"({"op":"wait","until":)" << until << '}';
            break;
    }
    return out.str();
}
