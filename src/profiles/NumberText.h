#pragma once
// Numbers in the profile files are one per line and read leniently, as the trainee's files
// have always been read: leading blanks are skipped, the digits up to the first other
// character count, and text without digits reads as 0.
#include <cstdint>
#include <string>

namespace profiles {

// Decimal integer: blanks, an optional sign, digits. Values beyond the 32-bit range
// saturate at its ends instead of wrapping.
int32_t ReadInt(const std::wstring& text);
// Floating-point number in the C locale's form ("0.2", "-1.5e3"); 0 when none starts the text.
float ReadFloat(const std::wstring& text);
// A float with a decimal point and six decimals ("0.200000"), independent of the locale.
std::wstring FloatText(float value);

}  // namespace profiles
