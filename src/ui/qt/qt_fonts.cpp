#include "ui/qt/qt_fonts.h"

#include "ui/qt/qt_text.h"

namespace sigillo::ui::qt {

void InstallFontSubstitutes() {
  // DejaVu ships with every Debian desktop. Its sans-serif is the nearest to Tahoma
  // (a plain humanist sans), and its monospaced face the nearest to Fixedsys. The CJK
  // face supplies the glyphs of the Chinese texts that neither has.
  const QString cjk = QStringLiteral("Noto Sans CJK SC");
  QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans"), cjk});
  QFont::insertSubstitutions(QStringLiteral("Fixedsys"), {QStringLiteral("DejaVu Sans Mono"), cjk});
}

QFont QtFont(const Font& font) {
  QFont result(ToQString(font.name));
  if (font.height > 0) result.setPixelSize(font.height);
  return result;
}

QColor ColorOf(SystemColor color, const QPalette& palette) {
  switch (color) {
    case SystemColor::kButtonShadow:
      return palette.color(QPalette::Dark);
    case SystemColor::kButtonHighlight:
      return palette.color(QPalette::Light);
    case SystemColor::kButtonFace:
      break;
  }
  return palette.color(QPalette::Button);
}

}  // namespace sigillo::ui::qt
