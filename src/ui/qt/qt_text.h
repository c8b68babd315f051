// Texts between the program (UTF-16 code units) and Qt (QString, also UTF-16).
#pragma once

#include <QString>

#include "toolz/text.h"

namespace sigillo::ui::qt {

inline QString ToQString(TextView text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline Text FromQString(const QString& text) {
  return Text(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

}  // namespace sigillo::ui::qt
