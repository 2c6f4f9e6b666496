// XmlWriter: builds the small documents of the profile and light files and writes them in
// the layout those files use: the declaration line, then one element per line with no
// indentation, every line ended by CR LF, childless elements as `<name a="v"/>` with no
// space before the slash, all text in UTF-8 and escaped.
//
// Building works like a cursor over the tree: AddElement adds an element after the last one
// at the current level, SetAttribute sets an attribute on the element just added, StepIn
// makes that element's children the current level and StepOut returns to its parent. A
// misuse (invalid name, a second root, stepping where there is nothing) sets the error flag;
// a document with an error is never written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vekora::xml {

inline constexpr std::string_view kUtf8Declaration = R"(<?xml version="1.0" encoding="UTF-8"?>)";

class XmlWriter {
public:
    explicit XmlWriter(std::string_view declaration = kUtf8Declaration);

    // Adds an element at the current level; it becomes the element just added.
    bool AddElement(std::wstring_view name);

    // Sets (or replaces) an attribute of the element just added.
    bool SetAttribute(std::wstring_view name, std::wstring_view value);
    // Numbers are written as "%d".
    bool SetAttribute(std::wstring_view name, int value);

    // Makes the children of the element just added the current level.
    bool StepIn();
    // Returns to the parent's level; the parent becomes the element just added there.
    bool StepOut();

    bool HasError() const { return error_; }

    // The whole document as UTF-8 bytes.
    std::string ToString() const;

    // Writes the document to `path`, replacing any file there. Returns false when the
    // document has an error or the file cannot be written completely; a partly written file
    // is removed.
    bool Save(const std::filesystem::path& path) const;

private:
    struct Element {
        std::string name;
        std::vector<std::pair<std::string, std::string>> attributes;  // escaped values
        std::vector<size_t> children;
    };

    static constexpr size_t kNone = static_cast<size_t>(-1);

    bool Fail();
    void Write(std::string& out, size_t index) const;

    std::string declaration_;
    std::vector<Element> elements_;
    size_t root_ = kNone;
    std::vector<size_t> levels_;  // stack of parents; empty = document level
    size_t lastAdded_ = kNone;    // at the current level
    bool error_ = false;
};

// Escapes text for a double-quoted attribute value and encodes it as UTF-8. Characters XML
// cannot carry at all (C0 controls other than tab, line feed and carriage return, U+FFFE,
// U+FFFF, non-scalar values) become U+FFFD; tab, line feed and carriage return are written
// as character references so that they survive a reader's attribute normalisation.
std::string EscapeAttribute(std::wstring_view text);

// True for the names this writer accepts: ASCII letters, digits, '_', '-', '.', ':' and not
// starting with a digit, '-' or '.'.
bool IsValidXmlName(std::wstring_view name);

}  // namespace vekora::xml
