#include "device/protocol/ShortAreas.h"

#include <algorithm>

#include "device/MatrixIndex.h"
#include "device/protocol/KeyMapEntries.h"

namespace vekora {

namespace {

template <std::size_t N>
void PutColour(std::array<std::uint8_t, N>& area, int index, std::uint32_t colour) {
    const auto at = static_cast<std::size_t>(index) * 4;
    if (index <= 0 || at + 3 >= N) {
        return;
    }
    area[at] = static_cast<std::uint8_t>(index);
    area[at + 1] = RedOf(colour);
    area[at + 2] = GreenOf(colour);
    area[at + 3] = BlueOf(colour);
}

void SetEnd(std::array<std::uint8_t, kShortAreaSize>& area) {
    area[kShortAreaEndOffset] = kAreaEnd0;
    area[kShortAreaEndOffset + 1] = kAreaEnd1;
}

}  // namespace

ShortKeyMapArea BuildShortKeyMapArea(const std::vector<KeyAssignment>& assignments,
                                     const std::vector<MacroDefinition>& macros,
                                     bool revisionFlag) {
    ShortKeyMapArea area{};
    for (const auto& a : assignments) {
        const int index = KeyMapMatrixIndex(a.key_code, revisionFlag);
        if (index <= 0) {
            continue;
        }
        auto entry = ShortKeyMapEntry(a, macros);
        if (!entry) {
            continue;
        }
        std::copy(entry->begin(), entry->end(), area.begin() + index * 4);
    }
    SetEnd(area);
    return area;
}

ShortColourArea BuildShortColourArea(DeviceModel model, bool revisionFlag,
                                     const std::vector<KeyColour>& colours) {
    ShortColourArea area{};
    for (const auto& c : colours) {
        if (c.key_rgb == 0) {
            continue;
        }
        PutColour(area, LightMatrixIndex(model, revisionFlag, c.key_code),
                  static_cast<std::uint32_t>(c.key_rgb));
    }
    SetEnd(area);
    return area;
}

ShortColourArea EmptyShortColourArea() {
    ShortColourArea area{};
    SetEnd(area);
    return area;
}

FramePayload BuildShortMusicFrame(DeviceModel model, bool revisionFlag,
                                  std::span<const KeyLight> keys) {
    FramePayload frame{};
    for (const auto& k : keys) {
        PutColour(frame, LightMatrixIndex(model, revisionFlag, k.keyCode), k.colour);
    }
    return frame;
}

std::vector<KeyLight> ColoursFromShortArea(DeviceModel model, bool revisionFlag,
                                           std::span<const std::uint8_t, kShortAreaSize> area,
                                           std::span<const int> viewKeys) {
    std::vector<KeyLight> out;
    for (int code : viewKeys) {
        const int index = LightMatrixIndex(model, revisionFlag, code);
        const auto at = static_cast<std::size_t>(index) * 4;
        if (index <= 0 || at + 3 >= kShortAreaEndOffset) {
            continue;
        }
        out.push_back({code, ColourOf(area[at + 1], area[at + 2], area[at + 3])});
    }
    return out;
}

}  // namespace vekora
