#include "ui/qt/qt_dialogs.h"

#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt/qt_text.h"
#include "ui/types.h"

namespace sigillo::ui::qt {

namespace {

class SwedishButtonWords : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    (void)disambiguation;
    (void)n;
    if (qstrcmp(context, "QPlatformTheme") != 0 || source == nullptr) return {};
    if (qstrcmp(source, "OK") == 0) return QStringLiteral("OK");
    if (qstrcmp(source, "&Yes") == 0) return QStringLiteral("&Ja");
    if (qstrcmp(source, "&No") == 0) return QStringLiteral("&Nej");
    return {};
  }
};

QMessageBox::Icon IconOf(uint32_t style) {
  switch (style & 0xF0u) {
    case kMbIconError:
      return QMessageBox::Critical;
    case kMbIconQuestion:
      return QMessageBox::Question;
    case kMbIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

bool QtOpenDialog::Execute() {
  QFileDialog dialog(parent_, ToQString(title_));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);  // the name need not exist
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  const QStringList filters = NameFilters(filter_);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return false;
  file_name_ = FromQString(QDir::toNativeSeparators(chosen.first()));
  return true;
}

QStringList NameFilters(TextView filter) {
  const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
    }
    // The name is shown alone (HideNameFilterDetails); Qt reads the patterns from
    // the last pair of parentheses.
    result << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                  QStringLiteral(")");
  }
  return result;
}

int32_t ShowMessageBox(QWidget* owner, TextView text, TextView caption, uint32_t style) {
  const bool yes_no = (style & 0x0Fu) == kMbYesNo;
  // Message texts end their lines the Windows way; Qt wants bare line feeds.
  QString body = ToQString(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(IconOf(style), ToQString(caption), body,
                  yes_no ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.setDefaultButton(yes_no ? QMessageBox::Yes : QMessageBox::Ok);
  // The busy cursor is the main window's: a question asked in the middle of an
  // operation waits for the user and shows the arrow.
  const bool busy = QGuiApplication::overrideCursor() != nullptr;
  if (busy) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
  const int answer = box.exec();
  if (busy) QGuiApplication::restoreOverrideCursor();
  switch (answer) {
    case QMessageBox::Yes:
      return kIdYes;
    case QMessageBox::No:
      return kIdNo;
    case QMessageBox::Ok:
      return kIdOk;
    default:
      return yes_no ? kIdNo : kIdOk;
  }
}

std::unique_ptr<QTranslator> ButtonWordsTranslator() {
  // The language of messages, not of numbers: LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
  const QLocale system = QLocale::system();
  const QStringList languages = system.uiLanguages();
  if (!languages.isEmpty() && QLocale(languages.first()).language() == QLocale::Swedish) {
    return std::make_unique<SwedishButtonWords>();
  }
  auto translator = std::make_unique<QTranslator>();
  if (translator->load(system, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return translator;
  }
  return nullptr;
}

}  // namespace sigillo::ui::qt
