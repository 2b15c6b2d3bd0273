// The 96 time zones the device knows, by number: zone n is row n - 1. The location texts are the
// English sources of their translations; they are kept exactly as the device's tables spell them.
#pragma once
#include <array>
#include <string_view>

struct TimeZoneRow {
  std::u16string_view offset;    // shown as it is
  std::u16string_view location;  // shown translated
};

inline constexpr int kTimeZoneCount = 96;

inline constexpr std::array<TimeZoneRow, kTimeZoneCount> kTimeZones{{
    {u"GMT-12:00", u"International Data Line West"},
    {u"GMT-11:00", u"UTC-11"},
    {u"GMT-11:00", u"Samoa"},
    {u"GMT-10:00", u"Hawaii"},
    {u"GMT-09:00", u"Alaska"},
    {u"GMT-08:00", u"Baja California"},
    {u"GMT-08:00", u"Pacific Time (US &amp; Canada)"},
    {u"GMT-07:00", u"Mountain Time (US &amp; Canada)"},
    {u"GMT-07:00", u"Arizona"},
    {u"GMT-07:00", u"Chihuahua, La Paz, Mazatlan"},
    {u"GMT-06:00", u"Central America"},
    {u"GMT-06:00", u"Central Time(US &amp; Canada)"},
    {u"GMT-06:00", u"Guadalajara, Mexico City, Monterrey"},
    {u"GMT-06:00", u"Saskatchewan"},
    {u"GMT-05:00", u"Indiana (East)"},
    {u"GMT-05:00", u"Eastern Time (US &amp; Canada)"},
    {u"GMT-05:00", u"Bogota, Lima, Quito"},
    {u"GMT-04:30", u"Caracas"},
    {u"GMT-04:00", u"Atlantic Time (Canada)"},
    {u"GMT-04:00", u"Georgetown, La Paz, Manaus, San Juan"},
    {u"GMT-04:00", u"Asuncion"},
    {u"GMT-04:00", u"Santiago"},
    {u"GMT-04:00", u"Cuiaba"},
    {u"GMT-03:30", u"Newfoundland"},
    {u"GMT-03:00", u"Brasilia"},
    {u"GMT-03:00", u"Buenos Aires"},
    {u"GMT-03:00", u"Greenland"},
    {u"GMT-03:00", u"Cayenne"},
    {u"GMT-03:00", u"Montevideo"},
    {u"GMT-02:00", u"Mid-Atlantic"},
    {u"GMT-02:00", u"UTC-2"},
    {u"GMT-01:00", u"Azores"},
    {u"GMT-01:00", u"Cape Verde Is"},
    {u"GMT 00:00", u"Casablanca"},
    {u"GMT 00:00", u"Dublin, Edinburgh, Lisbon, London"},
    {u"GMT 00:00", u"Monrovia, Reykjavik"},
    {u"GMT+01:00", u"West Central Africa"},
    {u"GMT+01:00", u"Brussels, Copenhagen, Madrid, Paris"},
    {u"GMT+01:00", u"Belgrade, Bratislava, Budapest, Ljubljana, Prague"},
    {u"GMT+01:00", u"Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna"},
    {u"GMT+01:00", u"Sarajevo, Skopje, Warsaw, Zagreb"},
    {u"GMT+02:00", u"Amman"},
    {u"GMT+02:00", u"Beirut"},
    {u"GMT+02:00", u"Minsk"},
    {u"GMT+02:00", u"Harare, Pretoria"},
    {u"GMT+02:00", u"Jerusalem"},
    {u"GMT+02:00", u"Cairo"},
    {u"GMT+02:00", u"Athens, Bucharest, Istanbul"},
    {u"GMT+02:00", u"Windhoek"},
    {u"GMT+02:00", u"Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius"},
    {u"GMT+03:00", u"Baghdad"},
    {u"GMT+03:00", u"Nairobi"},
    {u"GMT+03:00", u"Kuwait, Riyadh"},
    {u"GMT+03:00", u"Moscow, St. Petersburg, Volgograd"},
    {u"GMT+03:30", u"Tehran"},
    {u"GMT+04:00", u"Baku"},
    {u"GMT+04:00", u"Abu Dhabi, Muscat"},
    {u"GMT+04:00", u"Tbilisi"},
    {u"GMT+04:00", u"Yerevan"},
    {u"GMT+04:00", u"Port Louis"},
    {u"GMT+04:30", u"Kabul"},
    {u"GMT+05:00", u"Ekaterinburg"},
    {u"GMT+05:00", u"Islamabad, Karachi"},
    {u"GMT+05:00", u"Tashkent"},
    {u"GMT+05:30", u"Chennai, Kolkata, Mumbai, New Delhi"},
    {u"GMT+05:30", u"Sri Jayawardenepura"},
    {u"GMT+05:45", u"Kathmandu"},
    {u"GMT+06:00", u"Astana"},
    {u"GMT+06:00", u"Novosibirsk"},
    {u"GMT+06:00", u"Dhaka"},
    {u"GMT+06:30", u"Yangon (Rangoon)"},
    {u"GMT+07:00", u"Krasnoyarsk"},
    {u"GMT+07:00", u"Bangkok, Hanoi, Jakarta"},
    {u"GMT+08:00", u"Beijing, Chongqing, Hong Kong, Urumqi"},
    {u"GMT+08:00", u"Taipei"},
    {u"GMT+08:00", u"Kuala Lumpur, Singapore"},
    {u"GMT+08:00", u"Perth"},
    {u"GMT+08:00", u"Ulaan Bataar"},
    {u"GMT+09:00", u"Osaka, Sapporo, Tokyo"},
    {u"GMT+09:00", u"Irkutsk"},
    {u"GMT+09:00", u"Seoul"},
    {u"GMT+09:30", u"Adelaide"},
    {u"GMT+09:30", u"Darwin"},
    {u"GMT+10:00", u"Brisbane"},
    {u"GMT+10:00", u"Canberra, Melbourne, Sydney"},
    {u"GMT+10:00", u"Yakutsk"},
    {u"GMT+10:00", u"Hobart"},
    {u"GMT+10:00", u"Guam, Port Moresby"},
    {u"GMT+11:00", u"Vladivostok"},
    {u"GMT+11:00", u"Solomon Is., New Caledonia"},
    {u"GMT+12:00", u"Magadan"},
    {u"GMT+12:00", u"Petropavlovsk-Kamchatsky"},
    {u"GMT+12:00", u"UTC+12"},
    {u"GMT+12:00", u"Fiji, Marshall Is"},
    {u"GMT+12:00", u"Auckland, Wellington"},
    {u"GMT+13:00", u"Nuku'alofa"},
}};

// The row of zone `number` from the device, or -1 for a number outside the table: the list then
// selects nothing and waits for the user's click instead of guessing a zone.
inline int TimeZoneRowOf(int number) { return number >= 1 && number <= kTimeZoneCount ? number - 1 : -1; }

// Which scroll arrows a list shows, from its first visible row, its row count and the rows a page
// holds.
struct ArrowVisibility {
  bool up, down;
};
inline ArrowVisibility ArrowsFor(int topRow, int rowCount, int rowsPerPage) {
  if (rowCount - rowsPerPage < 0) return {false, false};
  if (topRow == 0) return {false, true};
  if (topRow < rowCount - rowsPerPage) return {true, true};
  return {true, false};
}
