// A small JSON value for the tool's --json output: null, booleans, integers, strings, arrays
// and objects whose keys keep their insertion order (so output reads like the record fields).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vekora::ctl {

class Json {
public:
    enum class Kind { Null, Bool, Int, String, Array, Object };

    Json() = default;
    Json(std::nullptr_t) {}
    Json(bool b) : kind_(Kind::Bool), int_(b ? 1 : 0) {}
    Json(int v) : kind_(Kind::Int), int_(v) {}
    Json(long v) : kind_(Kind::Int), int_(v) {}
    Json(long long v) : kind_(Kind::Int), int_(v) {}
    Json(unsigned v) : kind_(Kind::Int), int_(v) {}
    Json(const char* s) : kind_(Kind::String), text_(s) {}
    Json(std::string s) : kind_(Kind::String), text_(std::move(s)) {}
    Json(std::string_view s) : kind_(Kind::String), text_(s) {}
    Json(const std::wstring& s);

    static Json Array() {
        Json j;
        j.kind_ = Kind::Array;
        return j;
    }
    static Json Object() {
        Json j;
        j.kind_ = Kind::Object;
        return j;
    }

    // Object member (replaces an existing key); returns *this for chaining.
    Json& Set(std::string_view key, Json value);
    // Array element.
    Json& Push(Json value);

    Kind kind() const { return kind_; }
    bool empty() const { return items_.empty(); }

    // Compact single-line text.
    std::string Dump() const;

private:
    void DumpTo(std::string& out) const;

    Kind kind_ = Kind::Null;
    long long int_ = 0;
    std::string text_;
    std::vector<std::pair<std::string, Json>> items_;  // keys empty for arrays
};

// `text` as a JSON string literal with quotes.
std::string JsonQuote(std::string_view text);

}  // namespace vekora::ctl
