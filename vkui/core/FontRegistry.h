// Private fonts of the process: a face name the toolkit uses mapped to the family name
// fontconfig gives the registered file.
#pragma once

#include <string>

#include "platform/Types.h"

namespace VKUI {

// Adds the font file to fontconfig's application fonts; returns its family name (UTF-8) or
// an empty string when the file cannot be used.
std::string RegisterFontFile(const std::string& path);
void MapFontFace(const CString& face, const std::string& family);
void UnmapFontFace(const CString& face);
// The family to ask Pango for: the mapped private family, else the face itself.
std::string ResolveFontFamily(const CString& face);

}  // namespace VKUI
