#include "platform/DateTime.h"

#include <cstdio>
#include <vector>

namespace myu {
namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t yy = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yy + (m <= 2 ? 1 : 0));
}

int daysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) return 29;
  return kDays[m - 1];
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

}  // namespace

std::string DateTime::format() const {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", year, month, day, hour, minute,
                second);
  return buf;
}

std::string DateTime::formatTime() const {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", hour, minute, second);
  return buf;
}

std::optional<DateTime> DateTime::parse(std::string_view text) {
  std::vector<int> parts;
  int value = -1;
  int digits = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (++digits > 4) return std::nullopt;
      value = (value < 0 ? 0 : value * 10) + (c - '0');
    } else if (c == '/' || c == ':' || c == ' ' || c == '-') {
      if (value >= 0) parts.push_back(value);
      value = -1;
      digits = 0;
    } else {
      return std::nullopt;
    }
  }
  if (value >= 0) parts.push_back(value);
  if (parts.size() != 3 && parts.size() != 6) return std::nullopt;
  DateTime t;
  t.year = parts[0];
  t.month = parts[1];
  t.day = parts[2];
  if (parts.size() == 6) {
    t.hour = parts[3];
    t.minute = parts[4];
    t.second = parts[5];
  }
  if (t.year < 100 || t.month < 1 || t.month > 12 || t.day < 1 ||
      t.day > daysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59)
    return std::nullopt;
  return t;
}

std::int64_t DateTime::dayNumber() const {
  return daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
}

std::int64_t DateTime::serialSeconds() const {
  return dayNumber() * 86400 + std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 + second;
}

DateTime DateTime::fromSerialSeconds(std::int64_t seconds) {
  DateTime t;
  std::int64_t days = floorDiv(seconds, 86400);
  std::int64_t rest = seconds - days * 86400;
  civilFromDays(days, t.year, t.month, t.day);
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

DateTime DateTime::plusSeconds(std::int64_t seconds) const {
  return fromSerialSeconds(serialSeconds() + seconds);
}

int DateTime::weekday() const {
  // 1970-01-01 was a Thursday (5).
  std::int64_t w = (dayNumber() % 7 + 7 + 4) % 7;  // 0 Sunday
  return static_cast<int>(w) + 1;
}

std::int64_t daysBetween(const DateTime& a, const DateTime& b) {
  return b.dayNumber() - a.dayNumber();
}

std::int64_t hoursBetween(const DateTime& a, const DateTime& b) {
  return floorDiv(b.serialSeconds(), 3600) - floorDiv(a.serialSeconds(), 3600);
}

std::int64_t secondsBetween(const DateTime& a, const DateTime& b) {
  return b.serialSeconds() - a.serialSeconds();
}

}  // namespace myu
