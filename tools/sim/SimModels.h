// The keyboards the simulator can present, by model code.
#pragma once

#include <optional>

#include "SimDevice.h"

namespace vekora::sim {

// The report shape of a model's configuration interface; empty for codes without keyboards.
std::optional<Family> FamilyOfModel(int model);

// The full identity (ids, product string, manufacturer, release, family) of model `model`;
// empty for codes without a keyboard.
std::optional<SimIdentity> IdentityOfModel(int model);

}  // namespace vekora::sim
