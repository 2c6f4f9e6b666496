#include "SimDescriptors.h"

namespace vekora::sim {

const std::vector<std::uint8_t>& LongConfigurationDescriptor() {
    static const std::vector<std::uint8_t> d = {
        0x06, 0x00, 0xFF,  // Usage Page (Vendor 0xFF00)
        0x09, 0x01,        // Usage (1)
        0xA1, 0x01,        // Collection (Application)
        0x85, 0x06,        //   Report ID (6)
        0x09, 0x01,        //   Usage (1)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
        0x96, 0x07, 0x02,  //   Report Count (519)
        0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
        0xC0,              // End Collection
        0x06, 0x00, 0xFF,  // Usage Page (Vendor 0xFF00)
        0x09, 0x01,        // Usage (1)
        0xA1, 0x01,        // Collection (Application)
        0x85, 0x03,        //   Report ID (3)
        0x09, 0x02,        //   Usage (2)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
        0x95, 0x03,        //   Report Count (3)
        0x81, 0x02,        //   Input (Data, Variable, Absolute)
        0xC0,              // End Collection
    };
    return d;
}

const std::vector<std::uint8_t>& ShortConfigurationDescriptor() {
    static const std::vector<std::uint8_t> d = {
        0x06, 0x00, 0xFF,  // Usage Page (Vendor 0xFF00)
        0x09, 0x01,        // Usage (1)
        0xA1, 0x01,        // Collection (Application)
        0x09, 0x01,        //   Usage (1)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
        0x95, 0x40,        //   Report Count (64)
        0xB1, 0x02,        //   Feature (Data, Variable, Absolute)
        0xC0,              // End Collection
    };
    return d;
}

const std::vector<std::uint8_t>& BootKeyboardDescriptor() {
    static const std::vector<std::uint8_t> d = {
        0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,  // Generic Desktop, Keyboard, Application
        0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7,  //   modifiers E0..E7
        0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01,
        0x75, 0x08, 0x81, 0x01,                                                  //   reserved byte
        0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02,  // LEDs
        0x95, 0x01, 0x75, 0x03, 0x91, 0x01,                                      // padding
        0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x25, 0x65,                          //   six key codes
        0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00,
        0xC0,  // End Collection
    };
    return d;
}

}  // namespace vekora::sim
