// Visualizer: makes the keyboard's lights follow the sound the computer is playing.
//
// One instance lives as long as the main window. A worker thread captures the default
// output's monitor (through a SampleSource), turns the latest samples into 256 spectrum levels
// and paints a 256 x 64 picture: foreground pattern under each column's bar, background pattern
// above it. The main window's timer samples the finished picture (ShowMusicFrame) and sends
// the colours to the keyboard. The worker only works while the enabled flag is set (the music
// page sets it while shown); otherwise it naps.
//
// Threads: the flags and settings are atomics, so the music page may change them at any time
// (it still pauses the worker around a change, as it always has). Finished pictures are handed
// over through two buffers; the swap and every read of the read buffer take one short lock, so
// the window never samples a picture the worker is painting.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "features/music/MusicImage.h"
#include "features/music/SpectrumAnalyser.h"
#include "platform/audio/SampleSource.h"

namespace vekora {

struct MusicPoint {
    int x = 0;  // image column 0..255
    int y = 0;  // image row 0..63
};

class Visualizer {
public:
    // Initial settings (a preset normally replaces them).
    static constexpr int kInitialAmplitude = 270;
    static constexpr int kInitialBackgroundBrightness = 100;
    static constexpr int kSmoothingWidth = 8;
    static constexpr int kDecayPercent = 80;
    static constexpr float kHueStep = 500.0f;  // hue grows by kHueStep / 100 degrees per frame
    static constexpr float kOutputSmoothing = 1.0f;
    static constexpr int kIdleNapMs = 500;
    static constexpr int kFramePauseMs = 15;

    explicit Visualizer(std::unique_ptr<SampleSource> source);
    ~Visualizer();  // stops and joins the worker
    Visualizer(const Visualizer&) = delete;
    Visualizer& operator=(const Visualizer&) = delete;

    // Connects to the sound system, builds the device list, sets every field to its initial
    // value and starts capturing the chosen device. Called once during the window's set-up,
    // before StartCaptureThread.
    void StartVisualizer();

    // Starts the worker thread (once; later calls do nothing).
    void StartCaptureThread();
    // Ends the worker thread and waits for it. Also done by the destructor.
    void StopCaptureThread();

    // Restarts the capture on the current device index (index 0 when it is past the end).
    void RestartCapture();

    // The capture device names ("Default Loopback Device"), empty without a sound server.
    std::vector<std::string> DeviceNames() const;

    void SetEnabled(bool enabled) { enabled_.store(enabled); }
    bool IsEnabled() const { return enabled_.load(); }
    bool IsRunning() const { return running_.load(); }

    // Settings from the music page and the presets. The device index takes effect with the
    // next RestartCapture.
    void SetDeviceIndex(int index) { deviceIndex_.store(index); }
    void SetForegroundPattern(int pattern) { foregroundPattern_.store(pattern); }
    void SetAmplitude(int amplitude) { amplitude_.store(amplitude); }
    void SetBackgroundPattern(int pattern) { backgroundPattern_.store(pattern); }
    void SetBackgroundBrightness(int percent) { backgroundBrightness_.store(percent); }
    int DeviceIndex() const { return deviceIndex_.load(); }
    int ForegroundPattern() const { return foregroundPattern_.load(); }
    int Amplitude() const { return amplitude_.load(); }
    int BackgroundPattern() const { return backgroundPattern_.load(); }
    int BackgroundBrightness() const { return backgroundBrightness_.load(); }

    // One frame of the worker: analyse the audio, paint both patterns, compose into the write
    // buffer, swap the buffers and turn the hue. The worker calls it every 15 ms while enabled;
    // tests and benchmarks call it directly (never while the worker runs).
    void RenderFrame();

    // Reads from the picture the read buffer holds (safe from any thread).
    void CopyReadImage(MusicImage& out) const;
    MusicColour ReadPixel(int x, int y) const;
    // out[i] = pixel at points[i]; both spans have the same length.
    void ReadPixels(std::span<const MusicPoint> points, std::span<MusicColour> out) const;
    // The output levels the read picture was composed from.
    SpectrumLevels ReadLevels() const;
    // Pictures finished since start (safe from any thread).
    std::uint64_t FrameCount() const { return frameCount_.load(); }

    // Worker-side state, for tests and benchmarks while the worker is not running.
    float Hue() const { return hue_; }
    void SetHue(float hue) { hue_ = hue; }
    SpectrumAnalyser& Analyser() { return analyser_; }
    const SpectrumAnalyser& Analyser() const { return analyser_; }

private:
    class Sink;
    struct Images;

    void AnalyseAudio();
    void WorkerLoop();
    // Sleeps up to `ms`, returning early when the worker is asked to stop.
    void Nap(int ms);

    std::unique_ptr<SampleSource> source_;
    mutable std::mutex sourceMutex_;  // Restart (UI thread) against Drain (worker)

    SpectrumAnalyser analyser_;
    std::unique_ptr<Images> images_;
    std::unique_ptr<Sink> sink_;

    mutable std::mutex handoverMutex_;  // the swap and reads of the read buffer
    MusicImage* writeImage_ = nullptr;
    MusicImage* readImage_ = nullptr;
    SpectrumLevels readLevels_{};

    float hue_ = 0.0f;

    std::atomic<int> amplitude_{kInitialAmplitude};
    std::atomic<int> deviceIndex_{0};
    std::atomic<int> foregroundPattern_{0};
    std::atomic<int> backgroundPattern_{0};
    std::atomic<int> backgroundBrightness_{kInitialBackgroundBrightness};
    std::atomic<bool> enabled_{false};
    std::atomic<bool> running_{false};
    std::atomic<std::uint64_t> frameCount_{0};

    std::mutex napMutex_;
    std::condition_variable napWake_;
    std::thread worker_;
};

}  // namespace vekora
