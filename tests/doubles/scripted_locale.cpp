#include "tests/doubles/scripted_locale.h"

#include <cmath>
#include <map>
#include <regex>
#include <unordered_map>

#include "platform/ansi_buffer.h"
#include "platform/date_value.h"
#include "platform/time_picture.h"

namespace tellux::testing {
namespace {

std::string Pad2(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

int Run(const std::string& p, std::size_t i) {
  std::size_t j = i;
  while (j < p.size() && p[j] == p[i]) ++j;
  return static_cast<int>(j - i);
}

std::string FormatDatePicture(const LocaleScript& s, const SYSTEMTIME& t) {
  std::string out;
  const std::string& p = s.datePicture;
  for (std::size_t i = 0; i < p.size();) {
    const int n = Run(p, i);
    switch (p[i]) {
      case 'd': out += n >= 2 ? Pad2(t.wDay) : std::to_string(t.wDay); break;
      case 'M': out += n >= 2 ? Pad2(t.wMonth) : std::to_string(t.wMonth); break;
      case 'y': out += std::to_string(t.wYear); break;
      default: out.append(static_cast<std::size_t>(n), p[i]); break;
    }
    i += static_cast<std::size_t>(n);
  }
  return out;
}

std::string Escape(const std::string& s) {
  static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(s, special, R"(\$&)");
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

LocaleScript EnglishUs() { return {}; }

LocaleScript German() {
  LocaleScript s;
  s.amDesignator = "";
  s.pmDesignator = "";
  s.decimal = ",";
  s.timePicture = "HH:mm:ss";
  s.datePicture = "dd.MM.yyyy";
  return s;
}

LocaleScript Finnish() {
  LocaleScript s;
  s.timeSeparator = ".";
  s.amDesignator = "";
  s.pmDesignator = "";
  s.decimal = ",";
  s.timePicture = "H.mm.ss";
  s.datePicture = "d.M.yyyy";
  return s;
}

LocaleScript Korean() {
  LocaleScript s;
  s.amDesignator = "\uC624\uC804";
  s.pmDesignator = "\uC624\uD6C4";
  s.timePicture = "tt h:mm:ss";
  s.datePicture = "yyyy-MM-dd";
  return s;
}

LocaleScript CanadianFrench() {
  LocaleScript s;
  s.timeSeparator = " h ";
  s.amDesignator = "a.m.";
  s.pmDesignator = "p.m.";
  s.decimal = ",";
  s.timePicture = "HH' h 'mm' min 'ss' s'";
  s.shortTimePicture = "HH' h 'mm";
  s.datePicture = "yyyy-MM-dd";
  return s;
}

std::string FormatTimePicture(const LocaleScript& s, const SYSTEMTIME& t) {
  if (t.wHour > 23 || t.wMinute > 59 || t.wSecond > 59 || t.wMilliseconds > 999) return {};
  std::string out;
  const std::string& p = s.timePicture;
  for (std::size_t i = 0; i < p.size();) {
    if (p[i] == '\'') {
      const auto close = p.find('\'', i + 1);
      out += p.substr(i + 1, close - i - 1);
      i = close == std::string::npos ? p.size() : close + 1;
      continue;
    }
    const int n = Run(p, i);
    const int h12 = t.wHour % 12 == 0 ? 12 : t.wHour % 12;
    switch (p[i]) {
      case 'h': out += n >= 2 ? Pad2(h12) : std::to_string(h12); break;
      case 'H': out += n >= 2 ? Pad2(t.wHour) : std::to_string(t.wHour); break;
      case 'm': out += n >= 2 ? Pad2(t.wMinute) : std::to_string(t.wMinute); break;
      case 's': out += n >= 2 ? Pad2(t.wSecond) : std::to_string(t.wSecond); break;
      case 't': {
        const std::string& d = t.wHour < 12 ? s.amDesignator : s.pmDesignator;
        out += n >= 2 ? d : d.substr(0, 1);
        break;
      }
      default: out.append(static_cast<std::size_t>(n), p[i]); break;
    }
    i += static_cast<std::size_t>(n);
  }
  return out;
}

int ScriptedLocale::GetLocaleInfoA(std::uint32_t locale, std::uint32_t lcType, std::string* lcData,
                                   int cchData) {
  const LocaleScript& s = locale == kLocaleSystemDefault ? system : user;
  switch (lcType) {
    case kLocaleSTime: return WriteAnsiBuffer(s.timeSeparator, lcData, cchData);
    case kLocaleS1159: return WriteAnsiBuffer(s.amDesignator, lcData, cchData);
    case kLocaleS2359: return WriteAnsiBuffer(s.pmDesignator, lcData, cchData);
    case kLocaleSDecimal: return WriteAnsiBuffer(s.decimal, lcData, cchData);
    default: return 0;
  }
}

int ScriptedLocale::GetTimeFormatA(std::uint32_t locale, std::uint32_t, const SYSTEMTIME* time,
                                   const char*, std::string* timeStr, int cchTime) {
  ++timeFormatCalls;
  if (timeFormatFails || time == nullptr) return 0;
  const std::string text = FormatTimePicture(locale == kLocaleUserDefault ? user : system, *time);
  if (text.empty()) return 0;
  return WriteAnsiBuffer(text, timeStr, cchTime);
}

// The script's reading patterns, compiled once per script.
struct ScriptedDateServices::Patterns {
  std::string key;
  std::string order;  // the order of day, month and year in the date picture
  bool hasPeriod = false;
  std::regex timeOnly, dateOnly, dateTime;
};

const ScriptedDateServices::Patterns& ScriptedDateServices::PatternsFor(const LocaleScript& s) {
  const std::string key = s.timeSeparator + '\x1F' + s.amDesignator + '\x1F' + s.pmDesignator +
                          '\x1F' + s.datePicture;
  if (patterns_ && patterns_->key == key) return *patterns_;
  // Shared by every instance: tests and fuzz runs make many of them.
  static std::map<std::string, std::shared_ptr<Patterns>> compiled;
  if (auto found = compiled.find(key); found != compiled.end()) {
    patterns_ = found->second;
    return *patterns_;
  }
  auto p = std::make_shared<Patterns>();
  p->key = key;
  const std::string sep = Escape(s.timeSeparator);
  std::string period;
  for (const std::string* d : {&s.amDesignator, &s.pmDesignator}) {
    if (!d->empty()) period += (period.empty() ? "" : "|") + Escape(*d);
  }
  p->hasPeriod = !period.empty();
  char dsep = '/';
  for (char c : s.datePicture) {
    if (c != 'd' && c != 'M' && c != 'y') dsep = c;
    else if (p->order.empty() || p->order.back() != c) p->order += c;
  }
  const std::string ds = Escape(std::string(1, dsep));
  const std::string date = "(\\d{1,4})" + ds + "(\\d{1,2})" + ds + "(\\d{1,4})";
  std::string time = "(\\d{1,2})" + sep + "(\\d{1,2})(?:" + sep + "(\\d{1,2}))?";
  if (p->hasPeriod) time += "(?:\\s*(" + period + "))?";
  p->timeOnly = std::regex("^\\s*" + time + "\\s*$", std::regex::icase);
  p->dateOnly = std::regex("^\\s*" + date + "\\s*$");
  p->dateTime = std::regex("^\\s*" + date + "\\s+" + time + "\\s*$", std::regex::icase);
  compiled[key] = p;
  patterns_ = std::move(p);
  return *patterns_;
}

std::optional<double> ScriptedDateServices::ReadGeneralDate(std::string_view input) {
  // No date text is long; the regex engine recurses per character.
  if (input.size() > 64) return std::nullopt;
  const Patterns& p = PatternsFor(user);
  // Reading is pure and the regex engine slow; the program reads the same
  // few renderings again and again (fuzz runs read millions), so results
  // are remembered, within a bound.
  static std::unordered_map<std::string, std::optional<double>> known;
  std::string memo = p.key + '\x1E' + std::string(input);
  if (const auto found = known.find(memo); found != known.end()) return found->second;
  if (known.size() >= 4096) known.clear();
  const std::optional<double> value = ReadUncached(p, std::string(input));
  known.emplace(std::move(memo), value);
  return value;
}

std::optional<double> ScriptedDateServices::ReadUncached(const Patterns& p, const std::string& text) {

  const auto readDate = [&](const std::smatch& m, std::size_t at) -> std::optional<double> {
    int day = 0, month = 0, year = 0;
    for (std::size_t k = 0; k < p.order.size() && k < 3; ++k) {
      const int v = std::stoi(m[at + k]);
      if (p.order[k] == 'd') day = v;
      if (p.order[k] == 'M') month = v;
      if (p.order[k] == 'y') year = v;
    }
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    const double d = date_value::DateSerial(year, month, day);
    if (date_value::Day(d) != day) return std::nullopt;
    return d;
  };
  const auto readTime = [&](const std::smatch& m, std::size_t at) -> std::optional<double> {
    int hour = std::stoi(m[at]);
    const int minute = std::stoi(m[at + 1]);
    const int second = m[at + 2].matched ? std::stoi(m[at + 2]) : 0;
    if (p.hasPeriod && m[at + 3].matched) {
      if (hour < 1 || hour > 12) return std::nullopt;
      const bool pm = Lower(m[at + 3]) == Lower(user.pmDesignator);
      hour = hour % 12 + (pm ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    return (hour * 3600 + minute * 60 + second) / 86400.0;
  };

  std::smatch m;
  if (std::regex_match(text, m, p.timeOnly)) return readTime(m, 1);
  for (const std::string* picture : {&user.timePicture, &user.shortTimePicture}) {
    if (picture->empty()) continue;
    if (const auto time = ReadTimePicture(text, *picture, user.amDesignator, user.pmDesignator)) {
      return time;
    }
  }
  if (std::regex_match(text, m, p.dateOnly)) return readDate(m, 1);
  if (std::regex_match(text, m, p.dateTime)) {
    const auto d = readDate(m, 1);
    const auto t = readTime(m, 4);
    if (!d || !t) return std::nullopt;
    return *d < 0 ? *d - *t : *d + *t;
  }
  return std::nullopt;
}

std::string ScriptedDateServices::FormatGeneralDate(double date) {
  const SYSTEMTIME t = date_value::ToSystemTime(date);
  const double whole = std::trunc(date);
  const bool hasTime = date != whole;
  if (whole == 0) return FormatTimePicture(user, t);
  if (!hasTime) return FormatDatePicture(user, t);
  return FormatDatePicture(user, t) + " " + FormatTimePicture(user, t);
}

std::string ScriptedDateServices::FormatShortTime(double date) {
  LocaleScript shorter = user;
  std::string& p = shorter.timePicture;
  const auto s = p.find('s');
  if (!user.shortTimePicture.empty()) {
    p = user.shortTimePicture;
  } else if (s != std::string::npos) {
    const auto m = p.find_last_of('m', s);
    const auto from = m == std::string::npos ? s : m + 1;
    p.erase(from, p.find_first_not_of('s', s) == std::string::npos ? std::string::npos
                                                                     : p.find_first_not_of('s', s) - from);
  }
  return FormatTimePicture(shorter, date_value::ToSystemTime(date));
}

}  // namespace tellux::testing
