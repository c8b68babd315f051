#include "ui/qt/qt_controls.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>
#include <limits>

namespace sigillo::ui::qt {

namespace {

constexpr int kPictureSize = 16;

// Shows every character of a masked box as one chosen character.
class MaskStyle : public QProxyStyle {
 public:
  explicit MaskStyle(char16_t mask) : mask_(mask) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return mask_;
    if (hint == SH_LineEdit_PasswordMaskDelay) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }

 private:
  char16_t mask_;
};

}  // namespace

QPixmap RenderPicture(std::string_view name, int scale) {
  const QString path = QStringLiteral(":/sigillo/pictures/") +
                       QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                       QStringLiteral(".svg");
  QSvgRenderer svg(path);
  if (!svg.isValid()) return {};
  QPixmap pixmap(svg.defaultSize() * scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  svg.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

QIcon PictureIcon(std::string_view name) {
  QIcon icon;
  for (int scale : {1, 2}) {
    const QPixmap pixmap = RenderPicture(name, scale);
    if (!pixmap.isNull()) icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon QtImageList::Icon(int32_t index) const {
  if (index < 0 || index >= Count()) return {};
  return icons_[static_cast<size_t>(index)];
}

// ---- Label ----

QtLabel::QtLabel(QtForm& form, QLabel* label) : QtControl(form, label) {
  widget_->setTextFormat(Qt::PlainText);
  widget_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void QtLabel::SetBounds(Rect bounds) {
  QtControl::SetBounds(bounds);
  if (auto_size_) widget_->adjustSize();
}

void QtLabel::SetCaption(TextView caption) {
  widget_->setText(ToQString(caption));
  if (auto_size_) widget_->adjustSize();
}

Text QtLabel::Caption() const {
  return FromQString(widget_->text());
}

void QtLabel::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (auto_size_) widget_->adjustSize();
}

void QtLabel::SetAlignment(TextAlignment alignment) {
  widget_->setAlignment((alignment == TextAlignment::kCenter ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
}

void QtLabel::SetColor(SystemColor color) {
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Window, ColorOf(color, palette));
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(true);
}

// ---- Edit box ----

QtEditBox::QtEditBox(QtForm& form, QLineEdit* edit) : QtControl(form, edit) {
  SetMaxLength(0);
  QObject::connect(widget_, &QLineEdit::textChanged, widget_, [this] {
    if (on_change_) form_.app().Dispatch(on_change_);
  });
}

void QtEditBox::SetText(TextView text) {
  widget_->setText(ToQString(text));
}

Text QtEditBox::GetText() const {
  return FromQString(widget_->text());
}

void QtEditBox::SetPasswordChar(char16_t ch) {
  if (ch == 0) {
    widget_->setEchoMode(QLineEdit::Normal);
    return;
  }
  auto* style = new MaskStyle(ch);
  style->setParent(widget_);  // a widget does not own the style it is given
  widget_->setStyle(style);
  widget_->setEchoMode(QLineEdit::Password);
}

void QtEditBox::SetMaxLength(int32_t max_length) {
  widget_->setMaxLength(max_length > 0 ? max_length : std::numeric_limits<int>::max());
}

void QtEditBox::SetOnChange(std::function<void()> handler) {
  on_change_ = std::move(handler);
}

// ---- Button ----

void ImageButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  option.icon = QIcon();
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  int text_left = margin_;
  if (!icon().isNull()) {
    const QPixmap picture = icon().pixmap(iconSize(), devicePixelRatioF(),
                                          isEnabled() ? QIcon::Normal : QIcon::Disabled);
    painter.drawPixmap(margin_, (height() - iconSize().height()) / 2, picture);
    text_left += iconSize().width() + margin_;
  }

  QStyleOptionButton label = option;
  label.text = caption;
  label.rect = QRect(text_left, 0, width() - text_left - margin_, height());
  painter.drawControl(QStyle::CE_PushButtonLabel, label);

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

QtButton::QtButton(QtForm& form, ImageButton* button) : QtControl(form, button) {
  // Enter is the form's business (see FormWindow), not the focused button's.
  widget_->setAutoDefault(false);
  widget_->setIconSize(QSize(kPictureSize, kPictureSize));
  QObject::connect(widget_, &QPushButton::clicked, widget_, [this] {
    if (on_click_) form_.app().Dispatch(on_click_);
  });
}

void QtButton::SetCaption(TextView caption) {
  widget_->setText(ToQString(caption));
}

Text QtButton::Caption() const {
  return FromQString(widget_->text());
}

void QtButton::SetImage(const ImageList& images, int32_t index) {
  widget_->setIcon(static_cast<const QtImageList&>(images).Icon(index));
}

void QtButton::SetImageMargins(int32_t margin) {
  widget_->SetImageMargin(margin);
}

void QtButton::SetDefault(bool is_default) {
  widget_->setDefault(is_default);
}

bool QtButton::IsDefault() const {
  return widget_->isDefault();
}

void QtButton::SetOnClick(std::function<void()> handler) {
  on_click_ = std::move(handler);
}

}  // namespace sigillo::ui::qt
