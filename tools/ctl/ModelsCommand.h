// `vekora-ctl models`: the table of keyboard models this program knows.
#pragma once

#include <cstdio>

namespace vekora::ctl {

int ListModels(std::FILE* out);

}  // namespace vekora::ctl
