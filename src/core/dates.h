// Date values (seconds since 1970-01-01 00:00 counted in local calendar time, with no time zone)
// and their masks: "%yyyy", "%yy", "%mm", "%dd", "%hh", "%ii" (minutes), "%ss".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace zebo {

// The calendar fields of a date value; values before 1970 are negative.
LocalTime DateFields(int64_t date);
// The date value of calendar fields (fields out of range carry over, as in 31/04 -> 01/05).
int64_t DateValue(const LocalTime& fields);

// Replaces each field of the mask by its value: the year with four digits, the others with two
// ("%yy" the last two digits of the year). Field names ignore case; a "%" that starts no field
// stays as it is.
std::string FormatDate(std::string_view mask, const LocalTime& fields);
std::string FormatDate(std::string_view mask, int64_t date);

// Reads a text written with the mask. Each field takes one to its width in digits, other mask
// characters must match; fields the mask lacks are 1970, 1, 1, 0, 0, 0. Nothing when the text
// does not follow the mask or names no real date or time.
std::optional<int64_t> ParseDate(std::string_view mask, std::string_view text);

}  // namespace zebo
