#include "xml/XmlReader.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <system_error>

#include "store/NumberText.h"
#include "store/Utf8.h"
#include "xml/Utf8Validation.h"

namespace vekora::xml {
namespace {

// As a fragment, text outside the root stays in the tree, where the structure check can see
// it; without this flag pugixml drops it silently.
// References are resolved by DecodeReferences below rather than by pugixml, which passes
// undefined entities and references to forbidden characters through silently.
constexpr unsigned kParseOptions = (pugi::parse_default & ~pugi::parse_escapes) |
                                   pugi::parse_declaration | pugi::parse_doctype |
                                   pugi::parse_fragment;

bool IsXmlChar(uint32_t c) {
    if (c < 0x20) {
        return c == 0x09 || c == 0x0A || c == 0x0D;
    }
    if (c >= 0xD800 && c <= 0xDFFF) {
        return false;
    }
    return c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

// Resolves the five predefined entities and character references of a raw text. Returns
// false for an undefined entity, a malformed reference or a reference to a character XML
// does not allow.
bool DecodeReferences(std::string_view raw, std::string& decoded) {
    decoded.clear();
    if (raw.find('<') != std::string_view::npos) {
        return false;  // never allowed unescaped in a value
    }
    decoded.reserve(raw.size());
    size_t i = 0;
    while (i < raw.size()) {
        const size_t amp = raw.find('&', i);
        if (amp == std::string_view::npos) {
            decoded.append(raw.substr(i));
            break;
        }
        decoded.append(raw.substr(i, amp - i));
        // References are short; looking only a little ahead keeps a value full of '&'
        // linear to check.
        constexpr size_t kLongestReference = 32;
        const size_t window = raw.substr(amp, kLongestReference).find(';');
        if (window == std::string_view::npos) {
            return false;
        }
        const size_t semi = amp + window;
        const std::string_view name = raw.substr(amp + 1, semi - amp - 1);
        if (name == "amp") {
            decoded += '&';
        } else if (name == "lt") {
            decoded += '<';
        } else if (name == "gt") {
            decoded += '>';
        } else if (name == "quot") {
            decoded += '"';
        } else if (name == "apos") {
            decoded += '\'';
        } else if (name.size() >= 2 && name[0] == '#') {
            const bool hex = name[1] == 'x';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            if (digits.empty()) {
                return false;
            }
            uint32_t c = 0;
            for (char d : digits) {
                uint32_t v = 0;
                if (d >= '0' && d <= '9') {
                    v = static_cast<uint32_t>(d - '0');
                } else if (hex && d >= 'a' && d <= 'f') {
                    v = static_cast<uint32_t>(d - 'a' + 10);
                } else if (hex && d >= 'A' && d <= 'F') {
                    v = static_cast<uint32_t>(d - 'A' + 10);
                } else {
                    return false;
                }
                c = c * (hex ? 16 : 10) + v;
                if (c > 0x10FFFF) {
                    return false;
                }
            }
            if (!IsXmlChar(c)) {
                return false;
            }
            decoded += WideToUtf8(std::wstring(1, static_cast<wchar_t>(c)));
        } else {
            return false;
        }
        i = semi + 1;
    }
    return true;
}

// XML 1.0 allows no C0 control characters other than tab, line feed and carriage return.
bool HasForbiddenControl(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D;
    });
}

bool HasDuplicateAttributes(const pugi::xml_node& element) {
    std::vector<std::string_view> names;
    for (const auto& a : element.attributes()) {
        names.emplace_back(a.name());
    }
    std::sort(names.begin(), names.end());
    return std::adjacent_find(names.begin(), names.end()) != names.end();
}

// Walks the whole tree without recursion (a hostile file may nest deeply).
bool StructureIsSound(pugi::xml_document& doc) {
    std::string decoded;
    int roots = 0;
    for (const auto& node : doc.children()) {
        switch (node.type()) {
            case pugi::node_element:
                ++roots;
                break;
            case pugi::node_comment:
            case pugi::node_pi:
            case pugi::node_declaration:
            case pugi::node_doctype:
                break;
            default:
                return false;  // text or CDATA outside the root
        }
    }
    if (roots != 1) {
        return false;
    }
    std::vector<pugi::xml_node> pending{doc.document_element()};
    while (!pending.empty()) {
        pugi::xml_node node = pending.back();
        pending.pop_back();
        if (HasDuplicateAttributes(node)) {
            return false;
        }
        for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
            if (!DecodeReferences(a.value(), decoded)) {
                return false;
            }
            a.set_value(decoded.c_str());
        }
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (child.type() == pugi::node_pcdata && !DecodeReferences(child.value(), decoded)) {
                return false;
            }
        }
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (child.type() == pugi::node_element) {
                pending.push_back(child);
            }
        }
    }
    return true;
}

std::string Narrow(std::wstring_view name) {
    return WideToUtf8(name);
}

}  // namespace

struct XmlReader::Impl {
    pugi::xml_document doc;
    bool loaded = false;
    // One entry per level: the parent of the level and the current element in it.
    struct Level {
        pugi::xml_node parent;
        pugi::xml_node current;
    };
    std::vector<Level> levels;

    void Reset() {
        doc.reset();
        loaded = false;
        levels.clear();
    }
};

XmlReader::XmlReader() : impl_(std::make_unique<Impl>()) {}
XmlReader::~XmlReader() = default;

XmlLoadStatus ReadXmlFileBytes(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return XmlLoadStatus::Missing;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        return XmlLoadStatus::Missing;
    }
    if (size > kMaxXmlFileSize) {
        return XmlLoadStatus::TooLarge;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return XmlLoadStatus::Missing;
    }
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) {
        bytes.clear();
        return XmlLoadStatus::Missing;
    }
    // The file may have grown between the size check and the read.
    if (bytes.size() > kMaxXmlFileSize) {
        bytes.clear();
        return XmlLoadStatus::TooLarge;
    }
    return XmlLoadStatus::Ok;
}

XmlLoadStatus XmlReader::LoadFile(const std::filesystem::path& path) {
    impl_->Reset();
    std::string bytes;
    const XmlLoadStatus status = ReadXmlFileBytes(path, bytes);
    if (status != XmlLoadStatus::Ok) {
        return status;
    }
    return LoadBuffer(bytes);
}

XmlLoadStatus XmlReader::LoadBuffer(std::string_view bytes) {
    impl_->Reset();
    if (bytes.size() > kMaxXmlFileSize) {
        return XmlLoadStatus::TooLarge;
    }
    const pugi::xml_parse_result result =
        impl_->doc.load_buffer(bytes.data(), bytes.size(), kParseOptions, pugi::encoding_auto);
    if (!result) {
        impl_->Reset();
        return XmlLoadStatus::NotWellFormed;
    }
    // pugixml passes UTF-8 through unchecked; an encoding error is a fatal XML error.
    if (result.encoding == pugi::encoding_utf8 &&
        (!IsValidUtf8(bytes) || HasForbiddenControl(bytes))) {
        impl_->Reset();
        return XmlLoadStatus::NotWellFormed;
    }
    if (!StructureIsSound(impl_->doc)) {
        impl_->Reset();
        return XmlLoadStatus::NotWellFormed;
    }
    impl_->loaded = true;
    impl_->levels.push_back({impl_->doc, pugi::xml_node()});
    return XmlLoadStatus::Ok;
}

bool XmlReader::IsLoaded() const {
    return impl_->loaded;
}

bool XmlReader::FindElement(std::wstring_view name) {
    if (!impl_->loaded) {
        return false;
    }
    auto& level = impl_->levels.back();
    const std::string wanted = Narrow(name);
    pugi::xml_node node = level.current ? level.current.next_sibling() : level.parent.first_child();
    for (; node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element && wanted == node.name()) {
            level.current = node;
            return true;
        }
    }
    return false;
}

bool XmlReader::StepIn() {
    if (!impl_->loaded || !impl_->levels.back().current) {
        return false;
    }
    impl_->levels.push_back({impl_->levels.back().current, pugi::xml_node()});
    return true;
}

bool XmlReader::StepOut() {
    if (!impl_->loaded || impl_->levels.size() <= 1) {
        return false;
    }
    impl_->levels.pop_back();
    return true;
}

std::wstring XmlReader::ElementName() const {
    if (!impl_->loaded || !impl_->levels.back().current) {
        return {};
    }
    return Utf8ToWide(impl_->levels.back().current.name());
}

std::wstring XmlReader::Attribute(std::wstring_view name) const {
    if (!impl_->loaded) {
        return {};
    }
    const pugi::xml_node current = impl_->levels.back().current;
    const pugi::xml_attribute attribute = current.attribute(Narrow(name).c_str());
    return attribute ? Utf8ToWide(attribute.value()) : std::wstring();
}

bool XmlReader::HasAttribute(std::wstring_view name) const {
    if (!impl_->loaded) {
        return false;
    }
    return static_cast<bool>(impl_->levels.back().current.attribute(Narrow(name).c_str()));
}

int XmlReader::AttributeInt(std::wstring_view name) const {
    if (!impl_->loaded) {
        return 0;
    }
    const pugi::xml_node current = impl_->levels.back().current;
    return ParseLenientInt(current.attribute(Narrow(name).c_str()).value());
}

}  // namespace vekora::xml
