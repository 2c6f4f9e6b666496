#include "features/files/LightFile.h"

#include "xml/XmlReader.h"

namespace vekora {

xml::XmlWriter BuildLightDocument(std::wstring_view name, const std::vector<KeyColour>& colours) {
    xml::XmlWriter w;
    w.AddElement(L"profile");
    w.StepIn();
    w.AddElement(L"profileinfo");
    w.SetAttribute(L"name", name);
    w.AddElement(L"leditems");
    w.StepIn();
    for (const KeyColour& c : colours) {
        w.AddElement(L"item");
        w.SetAttribute(L"profile", 1);  // user lights belong to no profile
        w.SetAttribute(L"key_value", c.key_code);
        w.SetAttribute(L"key_rgb", c.key_rgb);
    }
    w.StepOut();
    w.StepOut();
    return w;
}

std::optional<LightFileContents> ParseLightFile(std::string_view bytes) {
    xml::XmlReader r;
    if (r.LoadBuffer(bytes) != xml::XmlLoadStatus::Ok) {
        return std::nullopt;
    }
    LightFileContents contents;
    if (!r.FindElement(L"profile")) {
        return contents;
    }
    r.StepIn();
    if (!r.FindElement(L"profileinfo")) {
        return contents;
    }
    contents.isLightFile = true;
    contents.name = r.Attribute(L"name");
    if (!r.FindElement(L"leditems")) {
        return contents;
    }
    contents.hasLedItems = true;
    r.StepIn();
    while (r.FindElement(L"item")) {
        const int keyCode = r.AttributeInt(L"key_value");
        const int rgb = r.AttributeInt(L"key_rgb");
        if (keyCode > 0) {
            contents.colours.push_back(LightFileColour{keyCode, rgb});
        }
    }
    return contents;
}

}  // namespace vekora
