#include "effects/EffectTrace.h"

#include "effects/EffectCatalogue.h"
#include "effects/EffectContext.h"
#include "effects/EffectDispatch.h"
#include "effects/ProgramState.h"
#include "effects/RecordingCanvas.h"
#include "effects/VirtualTicker.h"

#include <charconv>
#include <map>

namespace {

using Result = CoreExpected<EffectTrace::Request>;

constexpr int kMaxSpeedIndex = kSpeedCount - 1;
constexpr std::string_view kOptionPrefix = "--";

std::optional<int> wholeNumber(std::string_view text)
{
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

// Reads "--name value" pairs; returns the unknown or malformed argument's description on
// failure.
std::optional<std::string> parsePairs(std::span<const std::string> args,
                                      std::map<std::string, int>& values)
{
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (!args[i].starts_with(kOptionPrefix) || i + 1 >= args.size()) {
            return "expected --name value, got \"" + args[i] + "\"";
        }
        const std::optional<int> value = wholeNumber(args[i + 1]);
        if (!value) {
            return args[i] + " needs a whole number";
        }
        values[args[i].substr(kOptionPrefix.size())] = *value;
    }
    return std::nullopt;
}

}  // namespace

CoreExpected<EffectTrace::Request> EffectTrace::parse(std::span<const std::string> args)
{
    std::map<std::string, int> values;
    if (const auto problem = parsePairs(args, values)) {
        return Result::failure(*problem);
    }
    Request result;
    const auto take = [&](const char* name, int& target) {
        const auto found = values.find(name);
        if (found == values.end()) {
            return false;
        }
        target = found->second;
        values.erase(found);
        return true;
    };
    if (!take("effect", result.effect) || !take("width", result.width) ||
        !take("height", result.height)) {
        return Result::failure("--effect, --width and --height are required");
    }
    take("speed", result.speedIndex);
    int frame = 0;
    if (take("stop-at-frame", frame)) {
        result.stopAtFrame = frame;
    }
    if (!values.empty()) {
        return Result::failure("unknown option --" + values.begin()->first);
    }
    if (result.width < 1 || result.height < 1) {
        return Result::failure("width and height must be at least 1");
    }
    if (result.speedIndex < 0 || result.speedIndex > kMaxSpeedIndex) {
        return Result::failure("--speed must be 0 to " + std::to_string(kMaxSpeedIndex));
    }
    return result;
}

std::string EffectTrace::run(const Request& request)
{
    RecordingCanvas canvas(request.width, request.height);
    VirtualTicker ticker;
    ticker.setWaitObserver([&canvas](std::int64_t deadline) { canvas.recordWait(deadline); });
    if (request.stopAtFrame) {
        ticker.stopDuringWait(*request.stopAtFrame);
    }
    ProgramState state;
    state.EffectSpeed = effectSpeedForIndex(request.speedIndex);
    EffectContext context{canvas, ticker, state};
    runTransition(request.effect, context);
    std::string lines;
    for (const RecordedOperation& operation : canvas.operations()) {
        lines += operation.toJson();
        lines += '\n';
    }
    return lines;
}
