// A form over a QMainWindow: the menu bar above a client area of fixed size on
// which the controls sit at their own positions.
#pragma once

#include <QMainWindow>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "ui/form.h"

namespace sigillo::ui::qt {

class QtApplication;
class QtForm;

// The client area: paints the background and then the form's own drawing.
class ClientArea : public QWidget {
 public:
  explicit ClientArea(QtForm& form);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QtForm& form_;
};

class FormWindow : public QMainWindow {
 public:
  explicit FormWindow(QtForm& form);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QtForm& form_;
};

class QtForm : public Form {
 public:
  QtForm(QtApplication& app, std::string_view name);
  ~QtForm() override;

  MainMenu& CreateMainMenu(std::string_view name) override;
  Label& CreateLabel(std::string_view name) override;
  EditBox& CreateEditBox(std::string_view name) override;
  Button& CreateButton(std::string_view name) override;
  ImageList& CreateImageList(std::string_view name,
                             std::initializer_list<std::string_view> pictures) override;
  OpenDialog& CreateOpenDialog(std::string_view name) override;

  void SetCaption(TextView caption) override;
  Text Caption() const override;
  void SetClientSize(int32_t width, int32_t height) override;
  void SetColor(SystemColor color) override;
  void SetFont(const Font& font) override;

  void Show() override;
  bool Visible() const override;
  void Close() override;

  void SetOnPaint(std::function<void(Canvas&)> handler) override;
  void SetOnFileDrop(std::function<void(TextView path)> handler) override;

  int32_t MessageBox(TextView text, TextView caption, uint32_t style) override;

  // For the window and the controls.
  QtApplication& app() { return app_; }
  FormWindow& window() { return *window_; }
  ClientArea& client() { return *client_; }
  void Paint(QWidget& surface);
  // The window asks whether it may close now; false defers the close.
  bool MayCloseNow();
  // Closes the form if a close was deferred.
  void CloseIfPending();
  void PressDefaultButton();
  bool AcceptsDrops() const { return static_cast<bool>(on_file_drop_); }
  void DropFile(const QString& path);
  void PlaceInTabOrder(QWidget* widget, int32_t order);

 private:
  QtApplication& app_;
  // Owned by the Qt object tree of window_; deleted with it.
  FormWindow* window_;
  ClientArea* client_;
  std::unique_ptr<MainMenu> menu_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<ImageList>> image_lists_;
  std::vector<std::unique_ptr<OpenDialog>> dialogs_;
  std::vector<std::pair<int32_t, QWidget*>> tab_order_;
  std::function<void(Canvas&)> on_paint_;
  std::function<void(TextView)> on_file_drop_;
  bool shown_once_ = false;
  bool close_pending_ = false;
};

}  // namespace sigillo::ui::qt
