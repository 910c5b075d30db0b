// Calendar arithmetic on date values, and the masks that write and read them.
#include "core/dates.h"

#include <cstdio>

namespace zebo {
namespace {

constexpr int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

enum class Field { Year4, Year2, Month, Day, Hour, Minute, Second };

struct FieldName {
  const char* name;
  Field field;
  int width;
};

// Longest first, so "%yyyy" is not read as "%yy" followed by "yy".
constexpr FieldName kFields[] = {{"yyyy", Field::Year4, 4}, {"yy", Field::Year2, 2},
                                 {"mm", Field::Month, 2},   {"dd", Field::Day, 2},
                                 {"hh", Field::Hour, 2},    {"ii", Field::Minute, 2},
                                 {"ss", Field::Second, 2}};

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The field named right after a "%" at mask[at], if any.
const FieldName* FieldAt(std::string_view mask, size_t at) {
  for (const FieldName& f : kFields) {
    const std::string_view name(f.name);
    if (mask.size() - at < name.size()) continue;
    bool same = true;
    for (size_t i = 0; i < name.size() && same; ++i) same = Lower(mask[at + i]) == name[i];
    if (same) return &f;
  }
  return nullptr;
}

}  // namespace

LocalTime DateFields(int64_t date) {
  int64_t days = date / kSecondsPerDay;
  int64_t rest = date % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  LocalTime t;
  CivilFromDays(days, t.year, t.month, t.day);
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

int64_t DateValue(const LocalTime& t) {
  // Months out of range carry into the year first, the rest through the day count.
  int64_t year = t.year;
  int64_t month = t.month - 1;
  year += month >= 0 ? month / 12 : (month - 11) / 12;
  month -= (month >= 0 ? month / 12 : (month - 11) / 12) * 12;
  const int64_t days = DaysFromCivil(year, month + 1, 1) + (t.day - 1);
  return days * kSecondsPerDay + int64_t{t.hour} * 3600 + int64_t{t.minute} * 60 + t.second;
}

std::string FormatDate(std::string_view mask, const LocalTime& t) {
  std::string out;
  for (size_t i = 0; i < mask.size(); ++i) {
    const FieldName* f = mask[i] == '%' ? FieldAt(mask, i + 1) : nullptr;
    if (!f) {
      out.push_back(mask[i]);
      continue;
    }
    int value = 0;
    switch (f->field) {
      case Field::Year4:
        value = t.year;
        break;
      case Field::Year2:
        value = (t.year % 100 + 100) % 100;
        break;
      case Field::Month:
        value = t.month;
        break;
      case Field::Day:
        value = t.day;
        break;
      case Field::Hour:
        value = t.hour;
        break;
      case Field::Minute:
        value = t.minute;
        break;
      case Field::Second:
        value = t.second;
        break;
    }
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*d", f->width, value);
    out += digits;
    i += std::string_view(f->name).size();
  }
  return out;
}

std::string FormatDate(std::string_view mask, int64_t date) {
  return FormatDate(mask, DateFields(date));
}

std::optional<int64_t> ParseDate(std::string_view mask, std::string_view text) {
  LocalTime t;
  size_t at = 0;
  for (size_t i = 0; i < mask.size(); ++i) {
    const FieldName* f = mask[i] == '%' ? FieldAt(mask, i + 1) : nullptr;
    if (!f) {
      if (at >= text.size() || text[at] != mask[i]) return std::nullopt;
      ++at;
      continue;
    }
    int value = 0;
    int digits = 0;
    while (digits < f->width && at < text.size() && text[at] >= '0' && text[at] <= '9') {
      value = value * 10 + (text[at] - '0');
      ++at;
      ++digits;
    }
    if (digits == 0) return std::nullopt;
    switch (f->field) {
      case Field::Year4:
        t.year = value;
        break;
      case Field::Year2:
        t.year = 2000 + value;
        break;
      case Field::Month:
        t.month = value;
        break;
      case Field::Day:
        t.day = value;
        break;
      case Field::Hour:
        t.hour = value;
        break;
      case Field::Minute:
        t.minute = value;
        break;
      case Field::Second:
        t.second = value;
        break;
    }
    i += std::string_view(f->name).size();
  }
  if (at != text.size()) return std::nullopt;
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month) ||
      t.hour > 23 || t.minute > 59 || t.second > 59) {
    return std::nullopt;
  }
  return DateValue(t);
}

}  // namespace zebo
