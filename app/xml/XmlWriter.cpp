#include "xml/XmlWriter.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "store/Utf8.h"

namespace vekora::xml {
namespace {

bool IsXmlChar(char32_t c) {
    if (c < 0x20) {
        return c == 0x09 || c == 0x0A || c == 0x0D;
    }
    if (c >= 0xD800 && c <= 0xDFFF) {
        return false;
    }
    return c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

std::string AsciiName(std::wstring_view name) {
    return std::string(name.begin(), name.end());
}

}  // namespace

bool IsValidXmlName(std::wstring_view name) {
    if (name.empty()) {
        return false;
    }
    for (size_t i = 0; i < name.size(); ++i) {
        const wchar_t c = name[i];
        const bool letter =
            (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_' || c == L':';
        const bool other = (c >= L'0' && c <= L'9') || c == L'-' || c == L'.';
        if (!letter && !(other && i > 0)) {
            return false;
        }
    }
    return true;
}

std::string EscapeAttribute(std::wstring_view text) {
    std::wstring cleaned;
    cleaned.reserve(text.size());
    for (wchar_t w : text) {
        const auto c = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(w));
        switch (c) {
            case U'&':
                cleaned += L"&amp;";
                break;
            case U'<':
                cleaned += L"&lt;";
                break;
            case U'>':
                cleaned += L"&gt;";
                break;
            case U'"':
                cleaned += L"&quot;";
                break;
            case U'\t':
                cleaned += L"&#9;";
                break;
            case U'\n':
                cleaned += L"&#10;";
                break;
            case U'\r':
                cleaned += L"&#13;";
                break;
            default:
                cleaned.push_back(IsXmlChar(c) ? w : static_cast<wchar_t>(0xFFFD));
                break;
        }
    }
    return WideToUtf8(cleaned);
}

XmlWriter::XmlWriter(std::string_view declaration) : declaration_(declaration) {}

bool XmlWriter::Fail() {
    error_ = true;
    return false;
}

bool XmlWriter::AddElement(std::wstring_view name) {
    if (!IsValidXmlName(name)) {
        return Fail();
    }
    if (levels_.empty() && root_ != kNone) {
        return Fail();  // a document has exactly one root
    }
    elements_.push_back(Element{AsciiName(name), {}, {}});
    const size_t index = elements_.size() - 1;
    if (levels_.empty()) {
        root_ = index;
    } else {
        elements_[levels_.back()].children.push_back(index);
    }
    lastAdded_ = index;
    return true;
}

bool XmlWriter::SetAttribute(std::wstring_view name, std::wstring_view value) {
    if (lastAdded_ == kNone || !IsValidXmlName(name)) {
        return Fail();
    }
    auto& attributes = elements_[lastAdded_].attributes;
    const std::string key = AsciiName(name);
    for (auto& [existing, text] : attributes) {
        if (existing == key) {
            text = EscapeAttribute(value);
            return true;
        }
    }
    attributes.emplace_back(key, EscapeAttribute(value));
    return true;
}

bool XmlWriter::SetAttribute(std::wstring_view name, int value) {
    return SetAttribute(name, std::to_wstring(value));
}

bool XmlWriter::StepIn() {
    if (lastAdded_ == kNone) {
        return Fail();
    }
    levels_.push_back(lastAdded_);
    lastAdded_ = kNone;
    return true;
}

bool XmlWriter::StepOut() {
    if (levels_.empty()) {
        return Fail();
    }
    lastAdded_ = levels_.back();
    levels_.pop_back();
    return true;
}

void XmlWriter::Write(std::string& out, size_t index) const {
    const Element& e = elements_[index];
    out += '<';
    out += e.name;
    for (const auto& [name, value] : e.attributes) {
        out += ' ';
        out += name;
        out += "=\"";
        out += value;
        out += '"';
    }
    if (e.children.empty()) {
        out += "/>\r\n";
        return;
    }
    out += ">\r\n";
    for (size_t child : e.children) {
        Write(out, child);
    }
    out += "</";
    out += e.name;
    out += ">\r\n";
}

std::string XmlWriter::ToString() const {
    std::string out = declaration_;
    out += "\r\n";
    if (root_ != kNone) {
        Write(out, root_);
    }
    return out;
}

bool XmlWriter::Save(const std::filesystem::path& path) const {
    if (error_ || root_ == kNone) {
        return false;
    }
    const std::string bytes = ToString();
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        if (!file) {
            return false;
        }
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.flush();
        if (file) {
            return true;
        }
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace vekora::xml
