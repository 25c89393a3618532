#pragma once

namespace corvane {

class CCorvaneIcon;

// The type check a channel dialog runs before it changes what its output
// carries (data_type::kData or data_type::kLogic). Every input the output
// feeds is looked at, not only the first: inputs that adapt to their
// source always fit; any other input with a type must already have the
// required one.
bool OutputFeedsOnlyType(const CCorvaneIcon& icon, int outputIndex, int requiredType);

// Gives every adapting input the output feeds the required type, keeping
// its adapting bit. Run after OutputFeedsOnlyType agreed.
void AdaptFedInputs(CCorvaneIcon& icon, int outputIndex, int requiredType);

}  // namespace corvane
