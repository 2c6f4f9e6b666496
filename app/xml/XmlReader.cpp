#include "xml/XmlReader.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <system_error>

#include "xml/Utf8.h"

namespace vekora::xml {
namespace {

// As a fragment, text outside the root stays in the tree, where the structure check can see
// it; without this flag pugixml drops it silently.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_doctype | pugi::parse_fragment;

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
bool StructureIsSound(const pugi::xml_document& doc) {
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
        const pugi::xml_node node = pending.back();
        pending.pop_back();
        if (HasDuplicateAttributes(node)) {
            return false;
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
    return ToUtf8(name);
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
    return FromUtf8(impl_->levels.back().current.name());
}

std::wstring XmlReader::Attribute(std::wstring_view name) const {
    if (!impl_->loaded) {
        return {};
    }
    const pugi::xml_node current = impl_->levels.back().current;
    const pugi::xml_attribute attribute = current.attribute(Narrow(name).c_str());
    return attribute ? FromUtf8(attribute.value()) : std::wstring();
}

bool XmlReader::HasAttribute(std::wstring_view name) const {
    if (!impl_->loaded) {
        return false;
    }
    return static_cast<bool>(impl_->levels.back().current.attribute(Narrow(name).c_str()));
}

}  // namespace vekora::xml
