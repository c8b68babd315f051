#include "ui/qt/qt_form.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cstdlib>

#include "ui/qt/qt_application.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_menu.h"
#include "ui/qt/qt_text.h"

namespace sigillo::ui::qt {

namespace {

QString NameOf(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

int Sign(int n) {
  return (n > 0) - (n < 0);
}

class QtCanvas : public Canvas {
 public:
  QtCanvas(QPainter& painter, const QPalette& palette) : painter_(painter), palette_(palette) {}

  void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, SystemColor color) override {
    // Qt paints both ends of a line; stepping back one pixel along the longer axis
    // leaves the end point out.
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (dx == 0 && dy == 0) return;
    if (std::abs(dx) >= std::abs(dy)) {
      x2 -= Sign(dx);
    } else {
      y2 -= Sign(dy);
    }
    painter_.setPen(QPen(ColorOf(color, palette_), 0, Qt::SolidLine));
    painter_.drawLine(x1, y1, x2, y2);
  }

 private:
  QPainter& painter_;
  const QPalette& palette_;
};

}  // namespace

// ---- Client area and window ----

ClientArea::ClientArea(QtForm& form) : form_(form) {}

void ClientArea::paintEvent(QPaintEvent*) {
  form_.Paint(*this);
}

FormWindow::FormWindow(QtForm& form) : form_(form) {}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (form_.MayCloseNow()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    // Enter presses the focused button, or else the default button.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
      if (button->isEnabled()) button->click();
    } else {
      form_.PressDefaultButton();
    }
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void FormWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* mime = event->mimeData();
  if (form_.AcceptsDrops() && mime->hasUrls() && !mime->urls().isEmpty() &&
      mime->urls().first().isLocalFile()) {
    event->acceptProposedAction();
  }
}

void FormWindow::dropEvent(QDropEvent* event) {
  const QMimeData* mime = event->mimeData();
  if (!mime->hasUrls() || mime->urls().isEmpty() || !mime->urls().first().isLocalFile()) return;
  event->acceptProposedAction();
  form_.DropFile(mime->urls().first().toLocalFile());
}

// ---- Form ----

QtForm::QtForm(QtApplication& app, std::string_view name)
    : app_(app), window_(new FormWindow(*this)), client_(new ClientArea(*this)) {
  window_->setObjectName(NameOf(name));
  window_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
  window_->setCentralWidget(client_);
  window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  app_.AddForm(this);
}

QtForm::~QtForm() {
  app_.RemoveForm(this);
  // The widgets go first, so that no signal reaches a control object being destroyed.
  delete window_;
}

MainMenu& QtForm::CreateMainMenu(std::string_view name) {
  QMenuBar* bar = window_->menuBar();
  bar->setObjectName(NameOf(name));
  menu_ = std::make_unique<QtMainMenu>(app_, bar);
  return *menu_;
}

Label& QtForm::CreateLabel(std::string_view name) {
  auto* label = new QLabel(client_);
  label->setObjectName(NameOf(name));
  controls_.push_back(std::make_unique<QtLabel>(*this, label));
  return static_cast<Label&>(*controls_.back());
}

EditBox& QtForm::CreateEditBox(std::string_view name) {
  auto* edit = new QLineEdit(client_);
  edit->setObjectName(NameOf(name));
  controls_.push_back(std::make_unique<QtEditBox>(*this, edit));
  return static_cast<EditBox&>(*controls_.back());
}

Button& QtForm::CreateButton(std::string_view name) {
  auto* button = new ImageButton(client_);
  button->setObjectName(NameOf(name));
  controls_.push_back(std::make_unique<QtButton>(*this, button));
  return static_cast<Button&>(*controls_.back());
}

ImageList& QtForm::CreateImageList(std::string_view name,
                                   std::initializer_list<std::string_view> pictures) {
  (void)name;
  std::vector<QIcon> icons;
  for (std::string_view picture : pictures)
    icons.push_back(PictureIcon(picture));
  image_lists_.push_back(std::make_unique<QtImageList>(std::move(icons)));
  return *image_lists_.back();
}

OpenDialog& QtForm::CreateOpenDialog(std::string_view name) {
  (void)name;
  dialogs_.push_back(app_.NewOpenDialog(window_));
  return *dialogs_.back();
}

void QtForm::SetCaption(TextView caption) {
  window_->setWindowTitle(ToQString(caption));
}

Text QtForm::Caption() const {
  return FromQString(window_->windowTitle());
}

void QtForm::SetClientSize(int32_t width, int32_t height) {
  client_->setFixedSize(width, height);
}

void QtForm::SetColor(SystemColor color) {
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, ColorOf(color, palette));
  client_->setPalette(palette);
  client_->setAutoFillBackground(true);
}

void QtForm::SetFont(const Font& font) {
  client_->setFont(QtFont(font));
}

void QtForm::Show() {
  if (!shown_once_) {
    shown_once_ = true;
    window_->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      const QSize size = window_->size();
      window_->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

bool QtForm::Visible() const {
  return window_->isVisible();
}

void QtForm::Close() {
  if (MayCloseNow()) window_->close();
}

void QtForm::SetOnPaint(std::function<void(Canvas&)> handler) {
  on_paint_ = std::move(handler);
}

void QtForm::SetOnFileDrop(std::function<void(TextView)> handler) {
  on_file_drop_ = std::move(handler);
  window_->setAcceptDrops(static_cast<bool>(on_file_drop_));
}

int32_t QtForm::MessageBox(TextView text, TextView caption, uint32_t style) {
  return ShowMessageBox(window_, text, caption, style);
}

void QtForm::Paint(QWidget& surface) {
  if (!on_paint_) return;
  QPainter painter(&surface);
  QtCanvas canvas(painter, surface.palette());
  on_paint_(canvas);
}

bool QtForm::MayCloseNow() {
  if (!app_.InHandler()) return true;
  close_pending_ = true;
  return false;
}

void QtForm::CloseIfPending() {
  if (!close_pending_) return;
  close_pending_ = false;
  window_->close();
}

void QtForm::PressDefaultButton() {
  for (QPushButton* button : client_->findChildren<QPushButton*>()) {
    if (button->isDefault() && button->isEnabled() && button->isVisible()) {
      button->click();
      return;
    }
  }
}

void QtForm::DropFile(const QString& path) {
  if (!on_file_drop_) return;
  const Text name = FromQString(QDir::toNativeSeparators(path));
  app_.Dispatch([this, &name] { on_file_drop_(name); });
}

void QtForm::PlaceInTabOrder(QWidget* widget, int32_t order) {
  std::erase_if(tab_order_, [widget](const auto& entry) { return entry.second == widget; });
  tab_order_.emplace_back(order, widget);
  std::stable_sort(tab_order_.begin(), tab_order_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 1; i < tab_order_.size(); ++i) {
    QWidget::setTabOrder(tab_order_[i - 1].second, tab_order_[i].second);
  }
}

}  // namespace sigillo::ui::qt
