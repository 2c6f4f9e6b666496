#include "features/files/ProfileFile.h"

#include "features/FeatureSession.h"
#include "xml/XmlReader.h"

namespace vekora {

xml::XmlWriter BuildProfileDocument(std::wstring_view name, int profile,
                                    const std::vector<KeyAssignment>& assignments) {
    xml::XmlWriter w;
    w.AddElement(L"profile");
    w.StepIn();
    w.AddElement(L"profileinfo");
    w.SetAttribute(L"name", name);
    w.SetAttribute(L"profile", profile);
    w.StepIn();
    w.AddElement(L"keyitems");
    w.StepIn();
    for (const KeyAssignment& a : assignments) {
        w.AddElement(L"item");
        w.SetAttribute(L"profile", a.profile);
        w.SetAttribute(L"key_value", a.key_code);
        w.SetAttribute(L"macro_type", a.macro_type);
        w.SetAttribute(L"macro_value", a.macro_value);
        w.SetAttribute(L"macro_2value", a.macro_value2);
        w.SetAttribute(L"macro_3value", a.macro_value3);
        w.SetAttribute(L"macro_desc", a.macro_desc);
    }
    w.StepOut();
    w.StepOut();
    w.StepOut();
    return w;
}

std::optional<ProfileFileContents> ParseProfileFile(std::string_view bytes) {
    xml::XmlReader r;
    if (r.LoadBuffer(bytes) != xml::XmlLoadStatus::Ok) {
        return std::nullopt;
    }
    ProfileFileContents contents;
    if (!r.FindElement(L"profile")) {
        return contents;
    }
    contents.hasProfileRoot = true;
    r.StepIn();
    if (!r.FindElement(L"profileinfo")) {
        return contents;
    }
    contents.name = r.Attribute(L"name");
    // A file may name any number; only a real profile may become the current one.
    const int profile = r.AttributeInt(L"profile");
    if (r.HasAttribute(L"profile") && IsValidProfile(profile)) {
        contents.profile = profile;
    }
    r.StepIn();
    if (!r.FindElement(L"keyitems")) {
        return contents;
    }
    r.StepIn();
    while (r.FindElement(L"item")) {
        KeyAssignment a{};
        a.profile = r.AttributeInt(L"profile");
        a.key_code = r.AttributeInt(L"key_value");
        a.macro_type = r.AttributeInt(L"macro_type");
        a.macro_value = r.AttributeInt(L"macro_value");
        a.macro_value2 = r.AttributeInt(L"macro_2value");
        a.macro_value3 = r.AttributeInt(L"macro_3value");
        a.macro_desc = r.Attribute(L"macro_desc");
        if (IsValidProfile(a.profile) && a.key_code != 0) {
            contents.items.push_back(std::move(a));
        }
    }
    return contents;
}

}  // namespace vekora
