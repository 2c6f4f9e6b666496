// Profile files ("Custom Key" files): the key assignments of one profile as XML.
//
//   <profile>
//   <profileinfo name="Profile A" profile="1">
//   <keyitems>
//   <item profile="1" key_value="4" macro_type="604" macro_value="5" macro_2value="0"
//         macro_3value="0" macro_desc="B"/>            (one line in the file)
//   </keyitems>
//   </profileinfo>
//   </profile>
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Records.h"
#include "xml/XmlWriter.h"

namespace vekora {

// What a well-formed profile file holds, already checked: `profile` is set only when the
// file names a profile 1..5; `items` keeps only entries with a profile 1..5 and a key code
// other than 0, in file order.
struct ProfileFileContents {
    bool hasProfileRoot = false;
    std::wstring name;
    std::optional<int> profile;
    std::vector<KeyAssignment> items;
};

// Builds the document of a profile with its assignments in the given order.
xml::XmlWriter BuildProfileDocument(std::wstring_view name, int profile,
                                    const std::vector<KeyAssignment>& assignments);

// Parses file bytes; empty when they are not a well-formed XML document.
std::optional<ProfileFileContents> ParseProfileFile(std::string_view bytes);

}  // namespace vekora
