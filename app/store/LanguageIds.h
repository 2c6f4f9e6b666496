// The two interface languages, by their Windows language ids (the values stored as "LCID").
#pragma once

namespace vekora {

inline constexpr int kLanguageEnglish = 1033;
inline constexpr int kLanguageChinese = 2052;

}  // namespace vekora
