// `vekora-ctl music`: runs the music visualizer and sends a frame of key colours every 33 ms,
// with a live level meter on the terminal.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

#include "Commands.h"
#include "Context.h"
#include "features/music/MusicFrame.h"
#include "features/music/MusicPatterns.h"
#include "features/music/Visualizer.h"
#include "platform/audio/PulseCapture.h"

namespace vekora::ctl {
namespace {

constexpr OptionSpec kOptions[] = {
    {"--seconds", true}, {"--fore", true}, {"--back", true}, {"--amplitude", true}};

constexpr int kFrameIntervalMs = 33;
constexpr int kDefaultSeconds = 10;
// The preset a database without one gets.
constexpr int kDefaultForeground = kPatternGreenYellowRed;
constexpr int kDefaultAmplitude = 60;
constexpr int kDefaultBackground = kPatternNone;
constexpr int kDefaultBrightness = 100;
constexpr int kMeterWidth = 40;

std::atomic<bool> gInterrupted{false};

void OnInterrupt(int) {
    gInterrupted.store(true);
}

bool IsPattern(int id) {
    switch (id) {
        case kPatternNone:
        case kPatternWhite:
        case kPatternRed:
        case kPatternOrange:
        case kPatternYellow:
        case kPatternGreen:
        case kPatternCyan:
        case kPatternBlue:
        case kPatternGreenYellowRed:
        case kPatternRainbow:
        case kPatternRainbowReverse:
        case kPatternChromatography:
        case kPatternSpectrumCycle:
            return true;
        default:
            return false;
    }
}

// 0..1: the loudest column of the picture's levels against the picture's height.
double Loudness(const SpectrumLevels& levels) {
    float peak = 0;
    for (float l : levels) {
        peak = std::max(peak, l);
    }
    return std::clamp(peak / static_cast<double>(kMusicImageHeight), 0.0, 1.0);
}

std::string Meter(double level) {
    const int filled = static_cast<int>(level * kMeterWidth + 0.5);
    return "[" + std::string(static_cast<size_t>(filled), '#') +
           std::string(static_cast<size_t>(kMeterWidth - filled), ' ') + "]";
}

int Run(Context& ctx, const CommandArgs& args) {
    if (!args.positional.empty()) {
        return ctx.UsageError("music", "takes only options");
    }
    const auto option = [&](const char* name, int min, int max) -> std::optional<int> {
        const auto text = args.Value(name);
        return text ? ParseIntArg(*text, min, max) : std::nullopt;
    };
    int seconds = kDefaultSeconds;
    if (args.Has("--seconds")) {
        const auto v = option("--seconds", 0, 24 * 3600);
        if (!v)
            return ctx.UsageError("music", "--seconds takes 0..86400 (0: until Ctrl+C)");
        seconds = *v;
    }
    std::optional<int> fore, back, amplitude;
    if (args.Has("--fore")) {
        fore = option("--fore", 0, 100);
        if (!fore || !IsPattern(*fore))
            return ctx.UsageError("music", "--fore takes a pattern id: 0-7, 9, 13, 14, 17, 19");
    }
    if (args.Has("--back")) {
        back = option("--back", 0, 100);
        if (!back || !IsPattern(*back))
            return ctx.UsageError("music", "--back takes a pattern id: 0-7, 9, 13, 14, 17, 19");
    }
    if (args.Has("--amplitude")) {
        amplitude = option("--amplitude", 1, 1000);
        if (!amplitude)
            return ctx.UsageError("music", "--amplitude takes 1..1000");
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    if (!ctx.session().connected) {
        ctx.view().ShowMessage(502);
        return ctx.Fail(kExitNoKeyboard, "no keyboard connected to send the music frames to");
    }

    // The selected preset gives the settings the options do not.
    MusicLayer preset{0,
                      1,
                      L"",
                      0,
                      kDefaultForeground,
                      kDefaultAmplitude,
                      kDefaultBackground,
                      kDefaultBrightness};
    if (const int selected = ctx.db().GetSelectedMusicLayer(); selected > 0) {
        ctx.db().GetMusicLayer(selected, preset);
    }
    Visualizer visualizer(std::make_unique<PulseCapture>([&](const std::string& line) {
        std::fprintf(ctx.err(), "vekora-ctl: music: %s\n", line.c_str());
    }));
    visualizer.StartVisualizer();
    visualizer.SetForegroundPattern(fore.value_or(preset.foremode));
    visualizer.SetAmplitude(amplitude.value_or(preset.fore_amplitude));
    visualizer.SetBackgroundPattern(back.value_or(preset.backmode));
    visualizer.SetBackgroundBrightness(preset.backb_right);
    visualizer.SetEnabled(true);
    visualizer.StartCaptureThread();

    gInterrupted.store(false);
    auto previous = std::signal(SIGINT, OnInterrupt);
    const bool tty = isatty(fileno(ctx.err())) != 0;
    const bool meter = !ctx.json();
    if (meter) {
        std::fprintf(
            ctx.err(), "music: sending frames every %d ms%s\n", kFrameIntervalMs,
            seconds ? (" for " + std::to_string(seconds) + " s").c_str() : " until Ctrl+C");
    }
    const DeviceModel model = ctx.session().model;
    const auto start = std::chrono::steady_clock::now();
    auto next = start;
    int frames = 0;
    double peak = 0;
    auto lastLine = start;
    while (!gInterrupted.load()) {
        const auto now = std::chrono::steady_clock::now();
        if (seconds && now - start >= std::chrono::seconds(seconds)) {
            break;
        }
        const bool sent = ShowMusicFrame(model, visualizer, [&](std::span<const KeyLight> keys) {
            for (const KeyLight& k : keys) {
                ctx.view().SetKeyColour(k.keyCode, k.colour);
            }
            ctx.SendMusicFrame();
        });
        frames += sent ? 1 : 0;
        const double level = Loudness(visualizer.ReadLevels());
        peak = std::max(peak, level);
        if (meter && (tty || now - lastLine >= std::chrono::seconds(1))) {
            std::fprintf(ctx.err(), "%s%s %3d%%  frames %d%s", tty ? "\r" : "",
                         Meter(level).c_str(), static_cast<int>(level * 100), frames,
                         tty ? "" : "\n");
            std::fflush(ctx.err());
            lastLine = now;
        }
        next += std::chrono::milliseconds(kFrameIntervalMs);
        std::this_thread::sleep_until(next);
    }
    std::signal(SIGINT, previous);
    visualizer.SetEnabled(false);
    visualizer.StopCaptureThread();
    if (meter && tty) {
        std::fprintf(ctx.err(), "\n");
    }
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ctx.Print("music: " + std::to_string(frames) + " frames in " +
              std::to_string(static_cast<int>(elapsed + 0.5)) + " s");
    ctx.EmitJson(Json::Object()
                     .Set("frames", frames)
                     .Set("milliseconds", static_cast<int>(elapsed * 1000))
                     .Set("foremode", visualizer.ForegroundPattern())
                     .Set("fore_amplitude", visualizer.Amplitude())
                     .Set("backmode", visualizer.BackgroundPattern())
                     .Set("peak_percent", static_cast<int>(peak * 100)));
    if (frames == 0) {
        return ctx.Fail(kExitFailure, "this model has no music frames");
    }
    return kExitOk;
}

}  // namespace

const Command& MusicCommand() {
    static const Command c{
        "music", "make the lights follow the sound (live level meter)",
        "usage: vekora-ctl music [--seconds N] [--fore ID] [--back ID] [--amplitude N] [--json]\n"
        "\n"
        "Captures what the computer plays (the default output's monitor), paints the\n"
        "visualizer's picture and sends the keyboard a frame of key colours every 33 ms,\n"
        "showing a level meter. Runs N seconds (default 10; 0 until Ctrl+C). The selected\n"
        "music preset gives the settings the options leave out.\n"
        "--fore, --back: pattern ids 0 none, 1 white, 2 red, 3 orange, 4 yellow, 5 green,\n"
        "6 cyan, 7 blue, 9 green-yellow-red, 13 rainbow, 14 reverse rainbow,\n"
        "17 chromatography, 19 spectrum cycle. --amplitude: input gain.\n"
        "Needs a connected keyboard (exit 3 without one).\n",
        kOptions, Run};
    return c;
}

}  // namespace vekora::ctl
