// XmlReader: reads the profile and light files. Parsing is done by pugixml; this class adds
// the strict checks those files need (one root element, nothing but markup around it, no
// duplicate attributes, well-formed UTF-8 with no control characters) and a cursor to walk
// the tree the way the importers read it.
//
// The cursor: at each level there is a current element (none right after stepping in).
// FindElement searches the following siblings at the current level for the next element of
// a name and makes it current; StepIn descends into the current element, StepOut returns to
// the parent, which becomes current again. Attribute reads the current element's attribute,
// or an empty text when there is none.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vekora::xml {

enum class XmlLoadStatus {
    Ok,
    Missing,        // no such file, or it cannot be read
    TooLarge,       // larger than kMaxXmlFileSize
    NotWellFormed,  // any parse or structure error
};

// The files this reader serves hold a few hundred elements; anything far beyond that is not
// one of them.
inline constexpr std::size_t kMaxXmlFileSize = 4 * 1024 * 1024;

// Reads a whole file for parsing: Missing when it is not a readable regular file, TooLarge
// beyond kMaxXmlFileSize, else Ok with the bytes.
XmlLoadStatus ReadXmlFileBytes(const std::filesystem::path& path, std::string& bytes);

class XmlReader {
public:
    XmlReader();
    ~XmlReader();
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    XmlLoadStatus LoadFile(const std::filesystem::path& path);
    XmlLoadStatus LoadBuffer(std::string_view bytes);

    bool IsLoaded() const;

    // Moves to the next element named `name` at the current level; on failure the cursor
    // stays where it was.
    bool FindElement(std::wstring_view name);
    bool StepIn();
    bool StepOut();

    // The current element's name, or an empty text before the first FindElement of a level.
    std::wstring ElementName() const;
    // The current element's attribute; empty when the element or the attribute is absent.
    std::wstring Attribute(std::wstring_view name) const;
    bool HasAttribute(std::wstring_view name) const;
    // The attribute as a number, read leniently: absent or malformed values read as 0, values
    // beyond the int range saturate.
    int AttributeInt(std::wstring_view name) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vekora::xml
