// Embedded resources by number. Linux programs carry no resource sections: a resource is
// either registered in memory (RegisterResource) or read from the skin folder as
// "res/<module>/<id>.<type in lower case>", module "vkui" (0) or "app" (1).
#pragma once

#include <string>
#include <vector>

namespace VKUI {

void RegisterResource(int module, unsigned id, const std::wstring& type,
                      std::vector<unsigned char> bytes);
// False when neither a registered blob nor a file exists.
bool FindResource(int module, unsigned id, const std::wstring& type,
                  std::vector<unsigned char>& out);
std::string ResourceFilePath(int module, unsigned id, const std::wstring& type);

}  // namespace VKUI
