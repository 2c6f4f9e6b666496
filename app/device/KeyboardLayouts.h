// The keyboard-view layouts: which keys the view shows for a model, with their labels, key
// codes and rectangles (in view pixels, before the view's key offset), and the routine that
// hands them to the view. Six layouts exist; models 3 (64 keys) and 100 (placeholder) have
// none and leave the view empty.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "device/DeviceModel.h"
#include "device/KeyRect.h"

namespace vekora {

struct LayoutKey {
    std::wstring_view label;
    int code = 0;
    KeyRect rect;
};

enum class LayoutId { K61, Cnc61, K61SingleLight, K68, K87, K98 };

struct KeyboardLayout {
    LayoutId id;
    std::string_view name;            // "61-key", "CNC 61-key", ...
    KeyRect viewRect;                 // where the view control is placed, in window client pixels
    std::span<const LayoutKey> keys;  // row by row from the top left
};

// All six layouts.
std::span<const KeyboardLayout> AllKeyboardLayouts();

// The layout of a model, or null for models without one.
const KeyboardLayout* LayoutOf(DeviceModel m);

// What a layout routine fills: the keyboard view, or anything standing in for it.
class KeyboardLayoutSink {
public:
    virtual ~KeyboardLayoutSink() = default;
    // Places the view control at `rect` (client pixels of the hosting window).
    virtual void PlaceView(const KeyRect& rect) = 0;
    // Sets the key position offset, added to every following key rectangle, to (0, 0).
    virtual void ResetOffset() = 0;
    // Adds one key item; `label` and `name` are the same text.
    virtual void AddKey(std::wstring_view label, std::wstring_view name, int code,
                        const KeyRect& rect) = 0;
};

// Runs the model's layout routine: places the view, resets the offset and adds every key in
// order. The caller clears the view's items first. Returns false, without touching the sink,
// for a model without a layout.
bool RunLayoutRoutine(DeviceModel m, KeyboardLayoutSink& sink);

}  // namespace vekora
