#pragma once
// The locale names the Linux services start from: the user's, from the
// environment, and the machine's default, from /etc. Names are ICU locale
// names ("de_DE"); none of these fails, each has a default.

#include <string>
#include <string_view>
#include <vector>

namespace tellux {

// A POSIX locale name ("de_DE.UTF-8", "sr_RS@latin", "ca_ES@valencia") as
// an ICU name ("de_DE", "sr_Latn_RS", "ca_ES_VALENCIA"); "C", "POSIX" and
// empty give "en_US".
std::string IcuLocaleName(std::string_view posixName);

// The user's locale for times and zone names: the first non-empty of
// LC_ALL, LC_TIME, LANG.
std::string UserLocaleName();

// The machine's default locale: LANG= in the first of files that has it
// (normally /etc/default/locale, then /etc/locale.conf), else fallback.
std::string SystemLocaleName(const std::vector<std::string>& files, std::string_view fallback);
std::string SystemLocaleName(std::string_view fallback);

}  // namespace tellux
