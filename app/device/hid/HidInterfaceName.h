// Interface names: the text by which the device scan and hot-plug matching recognise a
// keyboard's configuration interface.
//
// The keyboards' identification rules work on an interface name that carries the vendor id, the
// product id and the USB interface number in the form "vid_258a&pid_010c&mi_01". Linux device
// nodes (/dev/hidraw3) carry none of that, so every enumerated interface and every hot-plug
// event is given an equivalent name built from what the kernel knows about it:
//
//     hid#vid_258a&pid_010c&mi_01#/dev/hidraw3
//     hid#vid_258a&pid_010c&mi_01&col02#/dev/hidraw3&col02   (second top-level collection)
//
// - vid/pid: the HID device's ids, four lower-case hexadecimal digits each;
// - mi_NN: the USB interface number (bInterfaceNumber of the usb_interface the HID device hangs
//   off, two hexadecimal digits); left out when the device is not a USB interface, exactly as
//   for devices without interfaces elsewhere;
// - after the last '#': the node (or simulator path) that opens the interface.
//
// Matching upper-cases the name where the rules say so ("VID_258A&PID_010C&MI_01").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vekora {

// `collection` (1-based) adds "&colNN" for nodes with several top-level collections; 0 adds
// nothing.
std::string BuildInterfaceName(std::uint16_t vendorId, std::uint16_t productId, int interfaceNumber,
                               int collection, std::string_view node);

// "/dev/hidraw3&col02" → {"/dev/hidraw3", 2}; a path without the suffix → {path, 0}.
struct CollectionPath {
    std::string node;
    int collection = 0;
};
CollectionPath SplitCollectionPath(std::string_view path);
std::string JoinCollectionPath(std::string_view node, int collection);

// The hexadecimal number that follows "&mi_" in `name` (either case); -1 when there is no
// "&mi_" or no hexadecimal digit follows it.
int InterfaceNumberFromName(std::string_view name);

// What a hidraw device's sysfs path tells about it, without reading sysfs (a removed device's
// attributes are gone, its path is all that is left):
//   /devices/.../1-1:1.1/0003:258A:010C.0004/hidraw/hidraw3
// gives vendor 0x258A, product 0x010C (from the "BUS:VID:PID.N" element), interface 1 (the
// number after the last '.' of the "bus-port:config.interface" element) and node hidraw3.
struct SysfsHidrawIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    int interfaceNumber = -1;
    std::string node;  // "hidraw3"
};
std::optional<SysfsHidrawIdentity> ParseHidrawDevpath(std::string_view devpath);

// Upper-cased copy of an ASCII text (notifications are matched upper-case).
std::string ToUpperAscii(std::string_view text);

}  // namespace vekora
