#include "features/music/Visualizer.h"

#include <algorithm>
#include <chrono>

#include "features/music/ComposeImage.h"
#include "features/music/MusicPatterns.h"

namespace vekora {

struct Visualizer::Images {
    MusicImage background{};
    MusicImage foreground{};
    MusicImage output[2]{};
};

// Feeds drained packets into the analyser with the amplitude of the current frame.
class Visualizer::Sink final : public PacketSink {
public:
    explicit Sink(SpectrumAnalyser& analyser) : analyser_(analyser) {}
    void OnPacket(const float* samples, std::size_t /*frames*/, std::size_t floatCount,
                  int /*channels*/) override {
        analyser_.AddPacket(samples, floatCount, amplitude);
    }
    int amplitude = 0;

private:
    SpectrumAnalyser& analyser_;
};

Visualizer::Visualizer(std::unique_ptr<SampleSource> source)
    : source_(std::move(source)),
      images_(std::make_unique<Images>()),
      sink_(std::make_unique<Sink>(analyser_)) {
    writeImage_ = &images_->output[0];
    readImage_ = &images_->output[1];
}

Visualizer::~Visualizer() {
    StopCaptureThread();
}

void Visualizer::StartVisualizer() {
    {
        std::lock_guard lock(sourceMutex_);
        if (source_)
            source_->Open();
    }
    amplitude_.store(kInitialAmplitude);
    deviceIndex_.store(0);
    backgroundPattern_.store(0);
    backgroundBrightness_.store(kInitialBackgroundBrightness);
    enabled_.store(false);
    hue_ = 0.0f;
    RestartCapture();
    analyser_.Reset();
}

void Visualizer::StartCaptureThread() {
    if (worker_.joinable())
        return;
    running_.store(true);
    worker_ = std::thread([this] { WorkerLoop(); });
}

void Visualizer::StopCaptureThread() {
    {
        std::lock_guard lock(napMutex_);
        running_.store(false);
    }
    napWake_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void Visualizer::RestartCapture() {
    std::lock_guard lock(sourceMutex_);
    if (!source_)
        return;
    // An index past the end of the list (a preset saved with another machine's devices)
    // captures the first device. With an empty list the source starts nothing now but follows
    // a default output that appears later.
    int index = deviceIndex_.load();
    const auto count = static_cast<int>(source_->DeviceNames().size());
    if (index < 0 || index >= count)
        index = 0;
    source_->Restart(index);
}

std::vector<std::string> Visualizer::DeviceNames() const {
    std::lock_guard lock(sourceMutex_);
    return source_ ? source_->DeviceNames() : std::vector<std::string>{};
}

void Visualizer::AnalyseAudio() {
    analyser_.Decay(kDecayPercent);
    {
        std::lock_guard lock(sourceMutex_);
        if (source_) {
            sink_->amplitude = amplitude_.load();
            source_->Drain(*sink_);
        }
    }
    analyser_.Analyse(kSmoothingWidth, kOutputSmoothing);
}

void Visualizer::RenderFrame() {
    AnalyseAudio();
    if (hue_ >= 360.0f)
        hue_ = 0.0f;
    else if (hue_ < 0.0f)
        hue_ = 360.0f;
    FillPattern(backgroundPattern_.load(), backgroundBrightness_.load(), hue_, images_->background);
    FillPattern(foregroundPattern_.load(), 100, hue_, images_->foreground);
    ComposeImage(images_->foreground, images_->background, analyser_.output(), *writeImage_);
    {
        std::lock_guard lock(handoverMutex_);
        std::swap(writeImage_, readImage_);
        readLevels_ = analyser_.output();
    }
    frameCount_.fetch_add(1);
    hue_ += kHueStep / 100.0f;
}

void Visualizer::CopyReadImage(MusicImage& out) const {
    std::lock_guard lock(handoverMutex_);
    out = *readImage_;
}

MusicColour Visualizer::ReadPixel(int x, int y) const {
    if (x < 0 || x >= kMusicImageWidth || y < 0 || y >= kMusicImageHeight)
        return 0;
    std::lock_guard lock(handoverMutex_);
    return (*readImage_)[MusicPixelIndex(x, y)];
}

void Visualizer::ReadPixels(std::span<const MusicPoint> points, std::span<MusicColour> out) const {
    const std::size_t n = std::min(points.size(), out.size());
    std::lock_guard lock(handoverMutex_);
    for (std::size_t i = 0; i < n; ++i) {
        const MusicPoint p = points[i];
        const bool inside =
            p.x >= 0 && p.x < kMusicImageWidth && p.y >= 0 && p.y < kMusicImageHeight;
        out[i] = inside ? (*readImage_)[MusicPixelIndex(p.x, p.y)] : 0;
    }
}

SpectrumLevels Visualizer::ReadLevels() const {
    std::lock_guard lock(handoverMutex_);
    return readLevels_;
}

void Visualizer::Nap(int ms) {
    std::unique_lock lock(napMutex_);
    napWake_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return !running_.load(); });
}

void Visualizer::WorkerLoop() {
    while (running_.load()) {
        if (!enabled_.load()) {
            Nap(kIdleNapMs);
            continue;
        }
        RenderFrame();
        Nap(kFramePauseMs);
    }
}

}  // namespace vekora
