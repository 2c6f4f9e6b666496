// SpectrumAnalyser: turns the most recent captured samples into 256 spectrum levels (0..1).
//
// It keeps a ring of the last 512 mono samples, windows and transforms them with a 512-point
// real FFT, maps the first 64 bins onto 4 columns each, lets old levels decay and smooths the
// result across neighbouring columns. Everything is allocated at construction; the per-frame
// calls allocate nothing. Not thread-safe: one thread (the visualizer's worker) drives it.
#pragma once

#include <array>
#include <cstddef>

#include "features/music/MusicImage.h"

namespace vekora {

class SpectrumAnalyser {
public:
    static constexpr int kRingSize = 512;
    static constexpr int kBins = 64;  // bins that reach the picture, 4 columns each

    SpectrumAnalyser();
    ~SpectrumAnalyser();
    SpectrumAnalyser(const SpectrumAnalyser&) = delete;
    SpectrumAnalyser& operator=(const SpectrumAnalyser&) = delete;

    // Levels, output levels and the ring back to zero.
    void Reset();

    // Every level keeps `percent` % of its value.
    void Decay(int percent);

    // Appends one captured packet of `floatCount` interleaved float samples. The packet is read
    // in groups of four floats (two stereo frames); each group's mean times 2 * amplitude enters
    // the ring twice, so the ring runs at the frame rate. A short last group sums what is there,
    // and a non-finite sample enters as silence so that one broken packet cannot poison the
    // levels for good.
    void AddPacket(const float* samples, std::size_t floatCount, int amplitude);

    // Spectrum of the ring into the levels, smoothing of half width `smoothingWidth`, and the
    // output levels following the levels by `outputSmoothing` (1.0: equal).
    void Analyse(int smoothingWidth, float outputSmoothing);

    const SpectrumLevels& levels() const { return levels_; }
    const SpectrumLevels& output() const { return output_; }
    const std::array<float, kRingSize>& ring() const { return ring_; }

    // Replaces the levels (restoring a state; tests start from known levels with it).
    void SetLevels(const SpectrumLevels& levels) { levels_ = levels; }

private:
    void Smooth(int width);

    std::array<float, kRingSize> ring_{};
    SpectrumLevels levels_{};
    SpectrumLevels output_{};
    float* fftInput_ = nullptr;  // 512 reals, FFTW-aligned
    void* fftOutput_ = nullptr;  // 257 complex values, FFTW-aligned
    void* plan_ = nullptr;       // fftwf_plan; FFTW stays out of this header
};

}  // namespace vekora
