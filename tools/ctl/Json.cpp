#include "Json.h"

#include <cstdio>

#include "store/Utf8.h"

namespace vekora::ctl {

Json::Json(const std::wstring& s) : kind_(Kind::String), text_(WideToUtf8(s)) {}

Json& Json::Set(std::string_view key, Json value) {
    kind_ = Kind::Object;
    for (auto& [k, v] : items_) {
        if (k == key) {
            v = std::move(value);
            return *this;
        }
    }
    items_.emplace_back(std::string(key), std::move(value));
    return *this;
}

Json& Json::Push(Json value) {
    kind_ = Kind::Array;
    items_.emplace_back(std::string(), std::move(value));
    return *this;
}

std::string JsonQuote(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    out += '"';
    return out;
}

void Json::DumpTo(std::string& out) const {
    switch (kind_) {
        case Kind::Null:
            out += "null";
            return;
        case Kind::Bool:
            out += int_ ? "true" : "false";
            return;
        case Kind::Int:
            out += std::to_string(int_);
            return;
        case Kind::String:
            out += JsonQuote(text_);
            return;
        case Kind::Array:
        case Kind::Object: {
            const bool object = kind_ == Kind::Object;
            out += object ? '{' : '[';
            bool first = true;
            for (const auto& [k, v] : items_) {
                if (!first)
                    out += ", ";
                first = false;
                if (object) {
                    out += JsonQuote(k);
                    out += ": ";
                }
                v.DumpTo(out);
            }
            out += object ? '}' : ']';
            return;
        }
    }
}

std::string Json::Dump() const {
    std::string out;
    DumpTo(out);
    return out;
}

}  // namespace vekora::ctl
