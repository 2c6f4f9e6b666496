// Light files ("User Light" files): one user light's per-key colours as XML.
//
//   <profile>
//   <profileinfo name="Light 1"/>
//   <leditems>
//   <item profile="1" key_value="4" key_rgb="255"/>
//   </leditems>
//   </profile>
//
// Unlike profile files, the items' container lies beside `profileinfo`, not inside it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Records.h"
#include "xml/XmlWriter.h"

namespace vekora {

struct LightFileColour {
    int keyCode = 0;
    int rgb = 0;
    bool operator==(const LightFileColour&) const = default;
};

// What a well-formed light file holds. `isLightFile` needs a `profile` root with a
// `profileinfo`; colours keep only entries with a key code greater than 0, in file order.
struct LightFileContents {
    bool isLightFile = false;
    std::wstring name;
    bool hasLedItems = false;
    std::vector<LightFileColour> colours;
};

// Builds the document of a user light with its colour rows in the given order.
xml::XmlWriter BuildLightDocument(std::wstring_view name, const std::vector<KeyColour>& colours);

// Parses file bytes; empty when they are not a well-formed XML document.
std::optional<LightFileContents> ParseLightFile(std::string_view bytes);

}  // namespace vekora
