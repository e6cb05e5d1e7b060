#pragma once

#include "CapabilityTables.h"

// Fills the model picture table: model number to the three pictures of its
// picture set.
void fillModelImages(QMap<uint64_t, ModelIcons>& images);
