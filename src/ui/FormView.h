// The window of one core form. It builds a widget for each control by its kind (the
// control's name is the widget's object name), mirrors the control data onto the widgets at
// every sync(), runs one QTimer per form timer, and hands the owner's clicks, double clicks,
// right clicks, typing, list choices, drops, key presses and the close box to the form
// through UserInput.h. No game rule lives here.
//
// The core writes control fields directly, so the view keeps a copy of each control as its
// widget last showed it and, at a sync, does the widget work only for the controls that differ
// from their copy (after a timer tick typically one label or one picture). A widget the owner
// has just used (typed in, clicked, chosen in) is brought back to its control in full at the
// next sync, as is a widget inside a container whose palette or font has just changed.
//
// Pop-up menus: a control of kind "Menu" without a parent menu is a pop-up menu; its
// elements are the "Menu" controls whose parent it is ("-" as caption: a separator). The
// form asks for the pop-up by setting the menu control's value to 1 inside an event
// handler; the view then opens it at the mouse pointer and sets the value back to 0.
// Choosing an entry is a click on that entry.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPolygon>
#include <QSize>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Form.h"

class QTimer;
class QMenu;
class QPainter;
class QTextLayout;

namespace myu::ui {

class QtWindowHost;

class FormView : public QWidget {
  Q_OBJECT

 public:
  FormView(Form& form, QtWindowHost& host);
  ~FormView() override;

  Form* form() const { return form_; }
  // Builds the widgets of every control (the host calls it once, after construction).
  void create();
  // The form has gone: the view stops touching it.
  void detach();
  // The form has closed: the view detaches, hides and is deleted, once none of its own
  // handlers is running any more (one may be waiting inside a pause or a message box).
  void release();
  // Copies the form's control data onto the widgets (only what changed).
  void sync();
  // The controls whose widgets the last sync() brought up to date: for tests, which check
  // that a sync does only the work that changed.
  const std::vector<std::string>& lastSynced() const { return lastSynced_; }
  QWidget* widget(const std::string& control) const;
  double dpi() const;
  // True once the desktop has shown that it does not put this window where it is moved: every
  // move was answered with the window's place before the moves began.
  bool movesIgnored() const { return movesIgnored_; }
  // Outer window size in twips minus this gives the inside: the frame and the caption.
  static constexpr int kFrameWidthTwips = 70;
  static constexpr int kFrameHeightTwips = 370;

 protected:
  // Per-form views may add to the widget a control gets.
  virtual void decorate(const Control& control, QWidget* widget);
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

  // Runs an owner's action on the form, then lets every window catch up.
  void act(const std::function<void(Form&)>& action);
  // The same for an action on the widget of that control, which the owner may have changed
  // (a tick, a row, a text): that widget is brought back to its control in full afterwards.
  void actOn(const std::string& control, const std::function<void(Form&)>& action);
  // The owner changed that control's widget: the next sync brings it back in full.
  void touched(const std::string& control);

 private:
  QWidget* makeWidget(const Control& c, QWidget* parent);
  // Brings a widget up to its control. `was` is the control as the widget last showed it at
  // the same dpi (nullptr: the widget is new or was touched; everything is applied). Returns
  // true when the widget's palette or font changed, which the widgets inside it inherit.
  bool syncControl(const Control& c, QWidget* w, const Control* was, double dpi);
  struct Made;
  // Syncs a control unless it equals its copy; records it in lastSynced_.
  bool syncIfChanged(Made& m, double dpi);
  void syncWindow();
  // A move of the window on screen has been asked of the desktop.
  void moveAsked();
  void syncTimers();
  void showPopups();
  void popup(const std::string& menu);

  Form* form_;
  QtWindowHost& host_;
  std::map<std::string, QWidget*> widgets_;
  // The widgets in the order they were made, every container before what it holds, each with
  // its control (a form never removes one) and that control as the widget last showed it.
  struct Made {
    std::string name;
    QWidget* widget;
    const Control* control;
    std::optional<Control> shown;
    double dpi = 0;  // the dpi it was shown at
  };
  std::vector<Made> made_;
  std::map<std::string, QTimer*> timers_;
  std::map<QObject*, std::string> names_;
  std::vector<std::string> lastSynced_;
  int acting_ = 0;  // the owner's actions (and pop-up menus) of this view now running
  bool released_ = false;
  bool placed_ = false;
  int appliedLeft_ = -1, appliedTop_ = -1;
  // Moves asked since the desktop last showed the window somewhere new, where it was then, and
  // how many of the desktop's answers since have kept it there.
  static constexpr int kUnmovedReports = 3;
  int askedMoves_ = 0;
  int reportsUnmoved_ = 0;
  QPoint movedFrom_;
  bool movesIgnored_ = false;
  bool syncing_ = false;
};

// A label whose lines sit closer than the font's own line spacing: Japanese fonts carry a
// tall line height, and the game's labels are sized for two or three lines of 9-point text.
// Each line keeps the label's horizontal alignment.
// The text is laid out once and kept until the text, the font, the width or the wrapping
// changes: a speech label over the pet's picture is painted again at every blink.
class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  explicit CaptionLabel(QWidget* parent = nullptr);
  ~CaptionLabel() override;
  // Lines spread over the label's height (up to the font's own spacing) instead of sitting
  // close: for labels sized for their lines in a large font.
  void setSpreadLines(bool on);
  // How many times the text has been laid out: for tests.
  int layoutCount() const { return layoutCount_; }
  // Whether every line of the text, as it is drawn, lies inside the label.
  bool textFits();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void layOut(double width);
  // The height of one line as drawn (spread: its share of the label's height).
  double lineHeight() const;

  bool spread_ = false;
  // The layout of each paragraph, and what it was made for.
  std::vector<std::unique_ptr<QTextLayout>> layouts_;
  int lineCount_ = 0;
  QString laidText_;
  QFont laidFont_;
  double laidWidth_ = -1;
  bool laidWrap_ = false;
  int layoutCount_ = 0;
};

// A frame with a caption (a group box) whose caption takes one tight line, as a label's
// lines do, so that the controls placed below the caption band never cover it, whatever the
// font's own line height; its line runs through the middle of the caption.
class CaptionFrame : public QGroupBox {
  Q_OBJECT

 public:
  using QGroupBox::QGroupBox;
  // Where the caption is drawn, inside the frame.
  QRect captionRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A widget painting a polygon given in twips. A per-form view may hand it a painter of its
// own (the status window's radar chart); the points reach the painter in pixels.
class ChartWidget : public QWidget {
  Q_OBJECT

 public:
  using Painter = std::function<void(QPainter&, const QPolygon&, const QSize&)>;

  using QWidget::QWidget;
  void setShape(std::vector<std::pair<int, int>> points, double dpi, unsigned fore, unsigned back);
  void setPainter(Painter painter);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<std::pair<int, int>> points_;
  double dpi_ = 96;
  unsigned fore_ = 0, back_ = 0xFFFFFF;
  Painter painter_;
};

}  // namespace myu::ui
