#pragma once
// The flyback main form's catalogue of fields: every input with its settings key, control,
// caption and unit, in the design file's order, and every result the design fills.
#include <vector>

#include "common/files/fieldcatalogue.h"
#include "flyback/design/flyback.h"

namespace fb {

const InputCatalogue<FlybackInput>& FlybackFields();
const std::vector<ResultField>& FlybackResultFields();

// The caption of the input `key` as the form shows it.
const char* FlybackCaption(const char* key);

// The caption of the gap/AL field for yes_al (the two radio buttons beside it).
const char* ZazorCaption(int yes_al);

}  // namespace fb
