#include "platform/linux/qt/zone_search.h"

#include <QString>

namespace tellux {
namespace {

QString Folded(std::string_view utf8) {
  const QString decomposed = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
                                 .normalized(QString::NormalizationForm_D);
  QString letters;
  letters.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (!c.isMark()) letters.append(c);
  }
  return letters.toCaseFolded();
}

}  // namespace

bool QtZoneSearch::BeginsWith(std::string_view text, std::string_view typed) const {
  const QString folded = Folded(typed);
  return !folded.isEmpty() && Folded(text).startsWith(folded);
}

std::vector<std::string> QtZoneSearch::PlacesOf(std::string_view /*keyName*/) const { return {}; }

}  // namespace tellux
