// Values in and out of a field's text. Writing never goes past the field's width:
//  - text is cut to the width and blank-padded;
//  - a number is right-aligned with the field's decimals; when it does not fit, the
//    decimals are given up one by one, and a number whose whole part still does not fit
//    (or that is not finite) fills the field with asterisks, as dBase does. Asterisks
//    read back as 0.
// Reading: numbers are parsed from the field's text (leading blanks, optional sign,
// digits, optional fraction); text that holds no number reads as 0.
#pragma once

#include "TableField.h"

#include <cstdint>

namespace sde {

void EncodeText(const TableField& field, const char* text, char* out);
void EncodeInteger(const TableField& field, int32_t value, char* out);
void EncodeDouble(const TableField& field, double value, char* out);

double DecodeDouble(const char* in, int width);
// The field's value as a 16-bit integer: the fraction is cut off and values beyond
// -32768..32767 are held at the nearest limit.
int16_t DecodeShort(const char* in, int width);

}  // namespace sde
