#include "features/music/SpectrumAnalyser.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <numbers>

namespace vekora {
namespace {

constexpr int kWindowLength = 256;  // only the first half of the ring is windowed
constexpr int kWeightCount = 256;

// FFTW's planner is not thread-safe; executing a plan is.
std::mutex& PlannerMutex() {
    static std::mutex m;
    return m;
}

// w[j] = 0.5 * (1 - cos(2*pi*j/256)).
const std::array<float, kWindowLength>& HannWindow() {
    static const std::array<float, kWindowLength> w = [] {
        std::array<float, kWindowLength> a{};
        for (int j = 0; j < kWindowLength; ++j)
            a[j] = static_cast<float>(0.5 * (1.0 - std::cos(2.0 * std::numbers::pi * j / 256.0)));
        return a;
    }();
    return w;
}

// weight[j] = 0.04 + 0.5 * j / 256: lifts the higher bins, which carry less energy in music.
const std::array<float, kWeightCount>& SpectralWeights() {
    static const std::array<float, kWeightCount> w = [] {
        std::array<float, kWeightCount> a{};
        for (int j = 0; j < kWeightCount; ++j)
            a[j] = static_cast<float>(0.04 + 0.5 * j / 256.0);
        return a;
    }();
    return w;
}

}  // namespace

SpectrumAnalyser::SpectrumAnalyser() {
    std::lock_guard lock(PlannerMutex());
    fftInput_ = fftwf_alloc_real(kRingSize);
    fftwf_complex* out = fftwf_alloc_complex(kRingSize / 2 + 1);
    fftOutput_ = out;
    plan_ = fftwf_plan_dft_r2c_1d(kRingSize, fftInput_, out, FFTW_ESTIMATE);
}

SpectrumAnalyser::~SpectrumAnalyser() {
    std::lock_guard lock(PlannerMutex());
    fftwf_destroy_plan(static_cast<fftwf_plan>(plan_));
    fftwf_free(fftOutput_);
    fftwf_free(fftInput_);
}

void SpectrumAnalyser::Reset() {
    ring_.fill(0.0f);
    levels_.fill(0.0f);
    output_.fill(0.0f);
}

void SpectrumAnalyser::Decay(int percent) {
    for (float& level : levels_)
        level = level * static_cast<float>(percent) / 100.0f;
}

void SpectrumAnalyser::AddPacket(const float* samples, std::size_t floatCount, int amplitude) {
    if (samples == nullptr || floatCount == 0)
        return;
    // Every float of the packet is read, four at a time. (Counting ceil(frames / 4) groups, as
    // if a frame were one float, would read only the first half of a stereo packet; the gaps
    // this leaves in the ring split a pure tone into its two neighbouring bins.)
    const std::size_t groups = (floatCount + 3) / 4;
    // Each group shifts the ring left by two and writes its sample twice at the end; only the
    // last 256 groups can survive in a ring of 512, so shift once and write those.
    const std::size_t kept = std::min<std::size_t>(groups, kRingSize / 2);
    const std::size_t first = groups - kept;
    const std::size_t shift = 2 * kept;
    std::memmove(ring_.data(), ring_.data() + shift, (kRingSize - shift) * sizeof(float));
    std::size_t pos = kRingSize - shift;
    const float gain = 0.25f * 2.0f * static_cast<float>(amplitude);
    for (std::size_t g = first; g < groups; ++g) {
        const std::size_t begin = 4 * g;
        const std::size_t end = std::min(begin + 4, floatCount);
        float sum = 0.0f;
        for (std::size_t i = begin; i < end; ++i)
            sum += samples[i];
        float s = sum * gain;
        if (!std::isfinite(s))
            s = 0.0f;
        ring_[pos++] = s;
        ring_[pos++] = s;
    }
}

void SpectrumAnalyser::Analyse(int smoothingWidth, float outputSmoothing) {
    const auto& window = HannWindow();
    const auto& weights = SpectralWeights();
    std::copy(ring_.begin(), ring_.end(), fftInput_);
    for (int j = 0; j < kWindowLength; ++j)
        fftInput_[j] *= window[j];
    fftwf_execute(static_cast<fftwf_plan>(plan_));

    // Packed spectrum: [0] DC, [1] Nyquist, then (re, im) of bins 1..255. Only the first
    // 2 * 64 elements reach the picture.
    const auto* bins = static_cast<const fftwf_complex*>(fftOutput_);
    std::array<float, 2 * kBins> packed;
    packed[0] = bins[0][0];
    packed[1] = bins[kRingSize / 2][0];
    for (int k = 1; k < kBins; ++k) {
        packed[2 * k] = bins[k][0];
        packed[2 * k + 1] = bins[k][1];
    }
    // The DC term says nothing about the music: bin 1's real part stands in for it.
    packed[0] = packed[2];
    for (std::size_t j = 0; j < packed.size(); ++j)
        packed[j] *= weights[j];

    for (int k = 0; k < kBins; ++k) {
        const float re = packed[2 * k];
        const float im = packed[2 * k + 1];
        const float m = std::sqrt(re * re + im * im);
        // log10(0) is minus infinity, which leaves the level alone.
        const float v = std::min(1.0f, 0.5f * std::log10(1.1f * m) + 0.9f * m);
        // The bin's four columns each rise to v (a level only ever jumps up here; the decay
        // brings it down).
        for (int x = 4 * k; x < 4 * k + 4; ++x) {
            if (v > levels_[x])
                levels_[x] = v;
            if (levels_[x] < 0.0f)
                levels_[x] = 0.0f;
        }
    }

    Smooth(smoothingWidth);

    for (int i = 0; i < kSpectrumColumns; ++i)
        output_[i] += (levels_[i] - output_[i]) * outputSmoothing;
}

void SpectrumAnalyser::Smooth(int width) {
    const int n = std::clamp(width, 0, kSpectrumColumns / 2 - 1);
    if (n == 0)
        return;
    constexpr int last = kSpectrumColumns - 1;
    // The edges: the mean of the n + i + 1 columns from the edge inwards.
    for (int i = 0; i < n; ++i) {
        float head = 0.0f;
        float tail = 0.0f;
        for (int j = 0; j <= n + i; ++j) {
            head += levels_[j];
            tail += levels_[last - j];
        }
        levels_[i] = head / static_cast<float>(n + i + 1);
        levels_[last - i] = tail / static_cast<float>(n + i + 1);
    }
    // The middle: a centred mean of 2n + 1 columns, in place from left to right.
    for (int i = n; i <= last - n - 1; ++i) {
        float sum = levels_[i];
        for (int j = 1; j <= n; ++j)
            sum += levels_[i - j] + levels_[i + j];
        levels_[i] = sum / static_cast<float>(2 * n + 1);
    }
}

}  // namespace vekora
