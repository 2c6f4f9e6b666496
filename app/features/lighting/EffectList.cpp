#include "features/lighting/EffectList.h"

#include <array>

namespace vekora {
namespace {

// The sixteen effect pictures, by the effect id of the first family. Every family attaches
// them by position, whatever the entry's name.
constexpr std::string_view kContinued = "icon/icon_light_continued.png";
constexpr std::string_view kSingleOn = "icon/icon_light_singleon.png";
constexpr std::string_view kSingleOff = "icon/icon_light_singleoff.png";
constexpr std::string_view kGlittering = "icon/icon_light_glittering.png";
constexpr std::string_view kFalling = "icon/icon_light_falling.png";
constexpr std::string_view kBreathing = "icon/icon_light_breathing.png";
constexpr std::string_view kSpectrum = "icon/icon_light_spectrum.png";
constexpr std::string_view kOutward = "icon/icon_light_outward.png";
constexpr std::string_view kScrolling = "icon/icon_light_scrolling.png";
constexpr std::string_view kAdrift = "icon/icon_light_adrift.png";
constexpr std::string_view kRotating = "icon/icon_light_rotating.png";
constexpr std::string_view kExplode = "icon/icon_light_explode.png";
constexpr std::string_view kLaunch = "icon/icon_light_launch.png";
constexpr std::string_view kRipples = "icon/icon_light_ripples.png";
constexpr std::string_view kTilt = "icon/icon_light_tilt.png";
constexpr std::string_view kShuttle = "icon/icon_light_shuttle.png";

constexpr std::array<EffectEntry, 16> kClassicEffects = {{
    {1, 201, kContinued},
    {2, 202, kSingleOn},
    {3, 203, kSingleOff},
    {4, 204, kGlittering},
    {5, 205, kFalling},
    {6, 206, kBreathing},
    {7, 207, kSpectrum},
    {8, 208, kOutward},
    {9, 209, kScrolling},
    {10, 210, kAdrift},
    {11, 211, kRotating},
    {12, 212, kExplode},
    {13, 213, kLaunch},
    {14, 214, kRipples},
    {15, 215, kTilt},
    {16, 216, kShuttle},
}};

constexpr std::array<EffectEntry, 17> kLongReportEffects = {{
    {1, 221, kContinued},
    {2, 222, kSingleOn},
    {3, 223, kSingleOff},
    {4, 224, kGlittering},
    {5, 225, kFalling},
    {6, 226, kBreathing},
    {7, 227, kSpectrum},
    {8, 228, kOutward},
    {9, 229, kScrolling},
    {10, 230, kAdrift},
    {11, 231, kRotating},
    {12, 232, kExplode},
    {13, 233, kLaunch},
    {14, 234, kRipples},
    {15, 235, kTilt},
    {16, 236, kShuttle},
    {0, 220, kSingleOff},
}};

// Ids 6 and 14 are not offered; the later entries keep their ids but take the pictures by
// position.
constexpr std::array<EffectEntry, 15> kLibraryEffects = {{
    {1, 281, kContinued},
    {2, 282, kSingleOn},
    {3, 283, kSingleOff},
    {4, 284, kGlittering},
    {5, 285, kFalling},
    {7, 287, kSpectrum},
    {8, 288, kOutward},
    {9, 289, kScrolling},
    {10, 290, kAdrift},
    {11, 291, kRotating},
    {12, 292, kExplode},
    {13, 293, kLaunch},
    {15, 294, kRipples},
    {16, 295, kTilt},
    {17, 296, kShuttle},
}};

}  // namespace

std::span<const EffectEntry> EffectListForModel(DeviceModel model) {
    switch (model) {
        case DeviceModel::K61:
        case DeviceModel::K61Cnc:
        case DeviceModel::K64:
        case DeviceModel::K68:
        case DeviceModel::K61SingleLight:
            return kClassicEffects;
        case DeviceModel::K61SE:
        case DeviceModel::K87SingleLight:
            return kLongReportEffects;
        case DeviceModel::K87Rgb:
        case DeviceModel::K98Rgb:
            return kLibraryEffects;
        default:
            return {};
    }
}

const EffectEntry* FindEffect(DeviceModel model, int effectId) {
    for (const auto& entry : EffectListForModel(model)) {
        if (entry.effectId == effectId) {
            return &entry;
        }
    }
    return nullptr;
}

int CustomLayoutEffect(DeviceModel model) {
    switch (model) {
        case DeviceModel::K61:
        case DeviceModel::K61Cnc:
        case DeviceModel::K64:
        case DeviceModel::K68:
        case DeviceModel::K61SingleLight:
            return 128;
        case DeviceModel::K61SE:
        case DeviceModel::K87SingleLight:
            return 32;
        case DeviceModel::K87Rgb:
        case DeviceModel::K98Rgb:
            return 1;
        default:
            return 0;
    }
}

}  // namespace vekora
