// Local date and time as the game stores it ("YYYY/MM/DD HH:NN:SS"), with calendar
// arithmetic. Time zones never enter: the game works in the owner's local time.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace myu {

struct DateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;

  // "YYYY/MM/DD HH:NN:SS", zero-padded, 24-hour.
  std::string format() const;
  // "HH:NN:SS", the long time format of the clock view.
  std::string formatTime() const;
  // Reads the stored form; also accepts one-digit parts and a date without a time.
  static std::optional<DateTime> parse(std::string_view text);

  // Days since 1970-01-01 of the date part (may be negative).
  std::int64_t dayNumber() const;
  // Seconds since 1970-01-01 00:00:00 of this local time, calendar-wise.
  std::int64_t serialSeconds() const;
  static DateTime fromSerialSeconds(std::int64_t seconds);

  DateTime plusSeconds(std::int64_t seconds) const;
  // 1 Sunday .. 7 Saturday, as the platform's weekday numbers.
  int weekday() const;

  auto operator<=>(const DateTime&) const = default;
};

// Number of midnights between a and b (b − a in calendar days; negative when b is earlier).
std::int64_t daysBetween(const DateTime& a, const DateTime& b);
// Number of hour boundaries between a and b (the platform's DateDiff "h").
std::int64_t hoursBetween(const DateTime& a, const DateTime& b);
std::int64_t secondsBetween(const DateTime& a, const DateTime& b);

}  // namespace myu
