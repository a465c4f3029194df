// Numbers on navdb's command line as a user writes them: an optional sign, digits and, where
// a fraction is allowed, a decimal point with more digits. Nothing else: no words such as
// "inf" or "nan", no exponent, no hexadecimal form, no blanks.
#pragma once

#include <string>

namespace navdb {

bool IsPlainNumber(const std::string& text, bool withFraction);

}  // namespace navdb
