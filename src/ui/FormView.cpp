#include "ui/FormView.h"

#include <QAbstractItemView>
#include <QBitmap>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QPolygon>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <memory>

#include "kernel/Game.h"
#include "kernel/UserInput.h"
#include "kernel/mdlMain.h"
#include "ui/MessageBoxStyle.h"
#include "ui/QtWindowHost.h"
#include "ui/Twips.h"

namespace myu::ui {
namespace {
QString qs(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QColor qcolor(std::uint32_t rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

bool isListKind(Kind kind) {
  return kind == Kind::List || kind == Kind::DirList || kind == Kind::FileList;
}

// Kinds that have no click signal of their own: the view watches their mouse events.
bool isPassiveKind(Kind kind) {
  return kind == Kind::Label || kind == Kind::Picture || kind == Kind::Image ||
         kind == Kind::Frame || kind == Kind::Chart;
}

QStringList toQStringList(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(items.size()));
  for (const auto& s : items) out << qs(s);
  return out;
}

const char* kPictureProperty = "myuPicture";
const char* kCursorProperty = "myuCursor";

// The file to draw for a picture on a screen of `ratio` device pixels to a pixel: on a HiDPI
// screen its twin painted at twice the size, NAME@2x.ext, when there is one (the name Qt's
// own icons and images use for it), else the file itself.
QString pictureFileFor(const QString& path, qreal ratio) {
  if (ratio <= 1.0 || path.isEmpty()) return path;
  const int dot = static_cast<int>(path.lastIndexOf(QLatin1Char('.')));
  const int slash = static_cast<int>(path.lastIndexOf(QLatin1Char('/')));
  const QString twin = dot > slash ? path.left(dot) + QStringLiteral("@2x") + path.mid(dot)
                                   : path + QStringLiteral("@2x");
  return QFileInfo::exists(twin) ? twin : path;
}

// A picture file as drawn (mirrored or not), read once: the pet's blink alternates two files
// every second and its poses come back, so each is kept in the pixmap cache by its path. On a
// HiDPI screen the @2x file is read and keeps its device pixel ratio, so that it is laid out at
// the size of the 1× picture with every device pixel its own. A file that cannot be read is
// tried again the next time it is asked for.
QPixmap pictureOf(const QString& path, bool mirrored, qreal ratio) {
  if (path.isEmpty()) return {};
  const QString file = pictureFileFor(path, ratio);
  const QString key = (mirrored ? QStringLiteral("myu/mirrored:") : QStringLiteral("myu/")) + file;
  QPixmap pm;
  if (QPixmapCache::find(key, &pm)) return pm;
  QImage image;
  image.load(file);
  if (image.isNull()) return {};
  if (mirrored) image = image.mirrored(true, false);
  image.setDevicePixelRatio(file == path ? 1.0 : 2.0);
  pm = QPixmap::fromImage(image);
  QPixmapCache::insert(key, pm);
  return pm;
}

// The point size at which a button's caption fits its width (down to 6 points), measured once
// for each caption, font, starting size and width.
double fittedSize(const QFont& font, double size, const QString& caption, int room) {
  static QHash<QString, double> fitted;
  const QString key = font.key() + QLatin1Char('|') + QString::number(size) + QLatin1Char('|') +
                      QString::number(room) + QLatin1Char('|') + caption;
  if (auto it = fitted.constFind(key); it != fitted.constEnd()) return it.value();
  QFont probe = font;
  while (size > 6) {
    probe.setPointSizeF(size);
    if (QFontMetrics(probe).horizontalAdvance(caption) <= room) break;
    size -= 0.5;
  }
  if (fitted.size() > 1000) fitted.clear();
  fitted.insert(key, size);
  return size;
}
}  // namespace

FormView::FormView(Form& form, QtWindowHost& host)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      form_(&form),
      host_(host) {
  setObjectName(QString::fromStdString(form.name()));
  setAttribute(Qt::WA_DeleteOnClose, false);
}

FormView::~FormView() = default;

void FormView::detach() {
  form_ = nullptr;
  for (auto& [name, timer] : timers_) timer->stop();
}

void FormView::release() {
  detach();
  hide();
  released_ = true;
  if (acting_ == 0) deleteLater();
}

QWidget* FormView::widget(const std::string& control) const {
  auto it = widgets_.find(control);
  return it == widgets_.end() ? nullptr : it->second;
}

double FormView::dpi() const {
  return logicalDpi(static_cast<const QWidget*>(this));
}

void FormView::decorate(const Control&, QWidget*) {}

void FormView::create() {
  if (form_ == nullptr) return;
  // Containers first: a control's widget is made once its parent's exists.
  std::vector<std::string> pending = form_->controlOrder();
  bool progress = true;
  while (!pending.empty() && progress) {
    progress = false;
    std::vector<std::string> later;
    for (const auto& name : pending) {
      const Control& c = form_->ctl(name);
      if (name == "Me" || c.kind == Kind::Menu) {
        progress = true;
        continue;
      }
      QWidget* parent = this;
      if (!c.parent.empty() && c.parent != "Me") {
        auto it = widgets_.find(c.parent);
        if (it == widgets_.end()) {
          if (form_->find(c.parent) != nullptr && form_->find(c.parent)->kind != Kind::Menu) {
            later.push_back(name);
            continue;
          }
        } else {
          parent = it->second;
        }
      }
      QWidget* w = makeWidget(c, parent);
      w->setObjectName(qs(name));
      widgets_[name] = w;
      made_.push_back(Made{name, w, &c, std::nullopt, 0});
      names_[w] = name;
      decorate(c, w);
      progress = true;
    }
    pending = std::move(later);
  }
  sync();
}

QWidget* FormView::makeWidget(const Control& c, QWidget* parent) {
  const std::string name = c.name;
  QWidget* w = nullptr;
  if (c.kind == Kind::Button) {
    auto* b = new QPushButton(parent);
    connect(b, &QPushButton::clicked, this,
            [this, name] { actOn(name, [name](Form& f) { userClick(f, name); }); });
    w = b;
  } else if (c.kind == Kind::Label) {
    auto* l = new CaptionLabel(parent);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    w = l;
  } else if (c.kind == Kind::Picture || c.kind == Kind::Image) {
    auto* l = new QLabel(parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    w = l;
  } else if (c.kind == Kind::TextBox) {
    if (c.multiLine) {
      auto* t = new QPlainTextEdit(parent);
      connect(t, &QPlainTextEdit::textChanged, this, [this, name, t] {
        if (syncing_) return;
        const std::string text = t->toPlainText().toStdString();
        actOn(name, [name, text](Form& f) { userType(f, name, text); });
      });
      w = t;
    } else {
      auto* t = new QLineEdit(parent);
      connect(t, &QLineEdit::textEdited, this, [this, name](const QString& text) {
        const std::string s = text.toStdString();
        actOn(name, [name, s](Form& f) { userType(f, name, s); });
      });
      w = t;
    }
  } else if (c.kind == Kind::Option) {
    auto* r = new QRadioButton(parent);
    r->setAutoExclusive(false);
    connect(r, &QRadioButton::clicked, this,
            [this, name] { actOn(name, [name](Form& f) { userClick(f, name); }); });
    w = r;
  } else if (c.kind == Kind::Check) {
    auto* k = new QCheckBox(parent);
    connect(k, &QCheckBox::clicked, this,
            [this, name] { actOn(name, [name](Form& f) { userClick(f, name); }); });
    w = k;
  } else if (c.kind == Kind::Combo) {
    // A drop-down combo: the owner picks an entry or types a text of his own.
    auto* k = new QComboBox(parent);
    k->setEditable(true);
    k->setInsertPolicy(QComboBox::NoInsert);
    connect(k, &QComboBox::activated, this, [this, name](int index) {
      actOn(name, [name, index](Form& f) { userSelect(f, name, index); });
    });
    connect(k, &QComboBox::currentIndexChanged, this, [this, name] { touched(name); });
    connect(k->lineEdit(), &QLineEdit::textEdited, this, [this, name](const QString& text) {
      const std::string s = text.toStdString();
      actOn(name, [name, s](Form& f) { userType(f, name, s); });
    });
    w = k;
  } else if (c.kind == Kind::DriveList) {
    // The places to look in, as a drop-down list one line high.
    auto* k = new QComboBox(parent);
    connect(k, &QComboBox::activated, this, [this, name](int index) {
      actOn(name, [name, index](Form& f) { userSelect(f, name, index); });
    });
    connect(k, &QComboBox::currentIndexChanged, this, [this, name] { touched(name); });
    w = k;
  } else if (isListKind(c.kind)) {
    auto* l = new QListWidget(parent);
    connect(l, &QListWidget::currentRowChanged, this, [this, name](int row) {
      if (syncing_) return;
      touched(name);
      if (row < 0) return;
      act([name, row](Form& f) { userSelect(f, name, row); });
    });
    connect(l, &QListWidget::itemDoubleClicked, this,
            [this, name] { actOn(name, [name](Form& f) { userDblClick(f, name); }); });
    l->viewport()->installEventFilter(this);
    names_[l->viewport()] = name;
    if (c.kind == Kind::DirList) {
      // Enter opens the selected folder, as a double click does.
      l->installEventFilter(this);
      names_[l] = name;
    }
    w = l;
  } else if (c.kind == Kind::Frame) {
    if (c.caption.empty()) {
      auto* f = new QFrame(parent);
      w = f;
    } else {
      w = new CaptionFrame(parent);
    }
  } else if (c.kind == Kind::Grid) {
    auto* t = new QTableWidget(parent);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->horizontalHeader()->setVisible(false);
    t->verticalHeader()->setVisible(false);
    connect(t, &QTableWidget::cellClicked, this, [this, name](int row, int) {
      actOn(name, [name, row](Form& f) {
        f.ctl(name).listIndex = row;
        userClick(f, name);
      });
    });
    connect(t, &QTableWidget::cellDoubleClicked, this,
            [this, name](int, int) { actOn(name, [name](Form& f) { userDblClick(f, name); }); });
    // Moving with the keys changes the row without a click: the next sync puts it back.
    connect(t, &QTableWidget::currentCellChanged, this, [this, name] { touched(name); });
    w = t;
  } else if (c.kind == Kind::Chart) {
    w = new ChartWidget(parent);
  } else {
    w = new QWidget(parent);
  }
  if (isPassiveKind(c.kind)) w->installEventFilter(this);
  if (form_->hasHandler(name, Event::DragDrop) ||
      form_->hasHandler(splitControlName(name).first, Event::DragDrop)) {
    w->setAcceptDrops(true);
    w->installEventFilter(this);
    if (auto* l = qobject_cast<QListWidget*>(w)) l->viewport()->setAcceptDrops(true);
  }
  return w;
}

void FormView::sync() {
  if (form_ == nullptr) return;
  syncing_ = true;
  syncWindow();
  lastSynced_.clear();
  const double d = dpi();
  // Containers before what they hold (the order the widgets were made in): a widget inherits
  // its container's palette and font where it has none of its own, so when a container's
  // change, the widgets inside take their control's again, later in the same pass.
  for (Made& m : made_) {
    if (!syncIfChanged(m, d)) continue;
    const QList<QWidget*> inside = m.widget->findChildren<QWidget*>();
    for (Made& other : made_)
      if (inside.contains(other.widget)) other.shown.reset();
  }
  syncTimers();
  syncing_ = false;
}

bool FormView::syncIfChanged(Made& m, double dpi) {
  const Control& c = *m.control;
  const Control* was = m.shown && m.dpi == dpi ? &*m.shown : nullptr;
  if (was != nullptr && *was == c) return false;
  const bool restyled = syncControl(c, m.widget, was, dpi);
  m.shown = c;
  m.dpi = dpi;
  lastSynced_.push_back(m.name);
  // A container's first palette and font reach what it holds at their own first sync.
  return restyled && was != nullptr;
}

void FormView::touched(const std::string& control) {
  if (syncing_) return;
  for (Made& m : made_)
    if (m.name == control) m.shown.reset();
}

void FormView::syncWindow() {
  Control& me = form_->me();
  // A window without a caption of its own shows the application title.
  const QString title = qs(me.caption.empty() ? std::string(kAppTitle) : me.caption);
  if (windowTitle() != title) setWindowTitle(title);
  const double d = dpi();
  if (me.width > 0 && me.height > 0) {
    const QSize inside(twipsToPixels(std::max(me.width - kFrameWidthTwips, 15), d),
                       twipsToPixels(std::max(me.height - kFrameHeightTwips, 15), d));
    if (size() != inside || minimumSize() != inside) setFixedSize(inside);
  }
  const bool want = form_->shown && me.visible && !form_->closed;
  const bool showing = want && !isVisible();
  // A window shown again is put back where it was, frame and all, so that no desktop moves it
  // by the size of its frame at every show.
  if (!placed_ || me.left != appliedLeft_ || me.top != appliedTop_ || showing) {
    if (!placed_ && me.left == 0 && me.top == 0) {
      // No position of its own: the middle of the monitor of the window it opens from.
      const QSize outer =
          size() + QSize(twipsToPixels(kFrameWidthTwips, d), twipsToPixels(kFrameHeightTwips, d));
      move(QtWindowHost::centredOn(QtWindowHost::ownerScreen(this), outer));
    } else {
      const QPoint to(twipsToPixels(me.left, d), twipsToPixels(me.top, d));
      if (placed_ && isVisible() && frameGeometry().topLeft() != to) moveAsked();
      move(to);
    }
    placed_ = true;
    appliedLeft_ = me.left;
    appliedTop_ = me.top;
  }
  if (want != isVisible()) setVisible(want);
}

void FormView::moveAsked() {
  if (movesIgnored_) return;
  if (askedMoves_ == 0) {
    movedFrom_ = frameGeometry().topLeft();
    reportsUnmoved_ = 0;
  }
  ++askedMoves_;
}

bool FormView::syncControl(const Control& c, QWidget* w, const Control* was, double d) {
  bool restyled = false;
  if (c.width > 0 && c.height > 0) {
    const QRect r(twipsToPixels(c.left, d), twipsToPixels(c.top, d), twipsToPixels(c.width, d),
                  twipsToPixels(c.height, d));
    if (w->geometry() != r) w->setGeometry(r);
  } else {
    const QPoint p(twipsToPixels(c.left, d), twipsToPixels(c.top, d));
    if (w->pos() != p) w->move(p);
    w->adjustSize();
  }
  if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
  const QString tip = qs(c.tooltip);
  if (w->toolTip() != tip) w->setToolTip(tip);

  // Colours and font, made again only when what they are made of has changed.
  if (was == nullptr || was->foreColor != c.foreColor || was->backColor != c.backColor ||
      was->value != c.value) {
    QPalette pal = w->palette();
    const QColor fore = qcolor(c.foreColor), back = qcolor(c.backColor);
    // A disabled control keeps the style's greyed text, so that it looks disabled.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      pal.setColor(group, QPalette::WindowText, fore);
      pal.setColor(group, QPalette::ButtonText, fore);
      pal.setColor(group, QPalette::Text, fore);
    }
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Button, back);
    pal.setColor(QPalette::Base, back);
    if (c.kind == Kind::Check && c.value == 2) {
      // A greyed check box: a grey tick on a grey box, as the platform draws it.
      for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Text, QColor(128, 128, 128));
        pal.setColor(group, QPalette::Base, QColor(224, 224, 224));
      }
    }
    if (pal != w->palette()) {
      w->setPalette(pal);
      restyled = true;
    }
  }
  const bool fill = c.opaque && c.kind != Kind::Button;
  if (w->autoFillBackground() != fill) w->setAutoFillBackground(fill);
  const bool isButton = c.kind == Kind::Button;
  if (was == nullptr || was->fontSize != c.fontSize || was->fontBold != c.fontBold ||
      (isButton && (was->caption != c.caption || was->width != c.width))) {
    QFont f = w->font();
    double size = c.fontSize > 0 ? c.fontSize : f.pointSizeF();
    if (isButton) {
      // A caption wider than its button gets a smaller font rather than being cut.
      QFont probe = f;
      probe.setBold(c.fontBold);
      size = fittedSize(probe, size, qs(c.caption), w->width() - 8);
    }
    if (f.pointSizeF() != size || f.bold() != c.fontBold) {
      f.setPointSizeF(size);
      f.setBold(c.fontBold);
      w->setFont(f);
      restyled = true;
    }
  }

  const QString caption = qs(c.caption);
  if (auto* b = qobject_cast<QPushButton*>(w)) {
    if (b->text() != caption) b->setText(caption);
  } else if (auto* k = qobject_cast<QCheckBox*>(w)) {
    if (k->text() != caption) k->setText(caption);
    // Greyed (2) shows as a tick too; its grey comes from the palette above.
    const Qt::CheckState state = c.value != 0 ? Qt::Checked : Qt::Unchecked;
    if (k->checkState() != state) k->setCheckState(state);
  } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
    if (r->text() != caption) r->setText(caption);
    if (r->isChecked() != (c.value == 1)) r->setChecked(c.value == 1);
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    if (g->title() != caption) g->setTitle(caption);
  } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    const QString text = qs(c.text);
    if (e->text() != text) e->setText(text);
    if (e->isReadOnly() != c.locked) e->setReadOnly(c.locked);
  } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
    const QString text = qs(c.text);
    if (t->toPlainText() != text) t->setPlainText(text);
    if (t->isReadOnly() != c.locked) t->setReadOnly(c.locked);
  } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
    const QStringList items = toQStringList(c.items);
    QStringList now;
    for (int i = 0; i < cb->count(); ++i) now << cb->itemText(i);
    if (now != items) {
      cb->clear();
      cb->addItems(items);
      // The drop-down shows its entries whole (a place with its path), however narrow the box.
      if (c.kind == Kind::DriveList)
        cb->view()->setMinimumWidth(cb->view()->sizeHintForColumn(0) +
                                    cb->view()->verticalScrollBar()->sizeHint().width());
    }
    if (cb->currentIndex() != c.listIndex) cb->setCurrentIndex(c.listIndex);
    if (cb->isEditable()) {
      // The text box part shows the control's text, which need not be one of the entries.
      const QString text = qs(c.text);
      if (cb->currentText() != text) cb->setEditText(text);
      if (cb->lineEdit() != nullptr && cb->lineEdit()->isReadOnly() != c.locked)
        cb->lineEdit()->setReadOnly(c.locked);
    }
  } else if (auto* l = qobject_cast<QListWidget*>(w)) {
    const QStringList items = toQStringList(c.items);
    QStringList now;
    for (int i = 0; i < l->count(); ++i) now << l->item(i)->text();
    if (now != items) {
      l->clear();
      l->addItems(items);
    }
    if (l->currentRow() != c.listIndex) l->setCurrentRow(c.listIndex);
  } else if (auto* t = qobject_cast<QTableWidget*>(w)) {
    // The first row of cells is the grid's fixed header row; the table's rows, and listIndex,
    // count the rows below it.
    int cols = 0;
    for (const auto& row : c.cells) cols = std::max(cols, static_cast<int>(row.size()));
    const int rows = std::max(static_cast<int>(c.cells.size()) - 1, 0);
    if (t->rowCount() != rows) t->setRowCount(rows);
    if (t->columnCount() != cols) t->setColumnCount(cols);
    QStringList header;
    if (!c.cells.empty())
      for (const auto& text : c.cells.front()) header << qs(text);
    t->setHorizontalHeaderLabels(header);
    t->horizontalHeader()->setVisible(!c.cells.empty());
    for (int col = 0; col < cols && col < static_cast<int>(c.columnWidths.size()); ++col) {
      const int px = twipsToPixels(c.columnWidths[static_cast<size_t>(col)], d);
      if (t->columnWidth(col) != px) t->setColumnWidth(col, px);
    }
    for (int r = 0; r < rows; ++r) {
      const auto& row = c.cells[static_cast<size_t>(r) + 1];
      for (int col = 0; col < cols; ++col) {
        const QString text =
            col < static_cast<int>(row.size()) ? qs(row[static_cast<size_t>(col)]) : QString();
        QTableWidgetItem* item = t->item(r, col);
        if (item == nullptr) {
          t->setItem(r, col, new QTableWidgetItem(text));
        } else if (item->text() != text) {
          item->setText(text);
        }
      }
    }
    if (c.listIndex >= 0 && c.listIndex < rows && t->currentRow() != c.listIndex)
      t->selectRow(c.listIndex);
  } else if (auto* chart = qobject_cast<ChartWidget*>(w)) {
    chart->setShape(c.points, d, c.foreColor, c.backColor);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    if (c.kind == Kind::Label) {
      const QString shown = qs(normaliseLineBreaks(c.caption));
      if (l->text() != shown) l->setText(shown);
    } else {
      const QString path = qs(c.picture);
      // The file and the way it is drawn: a change of either loads the picture anew.
      const QString shown =
          c.mirrored && !path.isEmpty() ? QStringLiteral("mirrored:") + path : path;
      if (w->property(kPictureProperty).toString() != shown) {
        w->setProperty(kPictureProperty, shown);
        l->setPixmap(pictureOf(path, c.mirrored, w->devicePixelRatioF()));
      }
      if (l->hasScaledContents() != c.stretch) l->setScaledContents(c.stretch);
    }
  }
  // Pictures, images and labels: no border, or a single line in the foreground colour, with
  // a stretched picture inside it.
  if (c.kind == Kind::Picture || c.kind == Kind::Image || c.kind == Kind::Label) {
    if (auto* frame = qobject_cast<QFrame*>(w)) {
      const int style = c.borderStyle == 1 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame;
      if (frame->frameStyle() != style || frame->lineWidth() != 1) {
        frame->setFrameStyle(style);
        frame->setLineWidth(1);
      }
    }
  }

  // Cursor: image n of the form's cursor pictures ("imgIcon(n)"), else a stock shape.
  if (w->property(kCursorProperty).toInt() != c.cursor + 1) {
    w->setProperty(kCursorProperty, c.cursor + 1);
    if (c.cursor < 0) {
      w->unsetCursor();
    } else {
      const Control* icon = form_->find("imgIcon(" + std::to_string(c.cursor) + ")");
      QPixmap pm;
      if (icon != nullptr && !icon->picture.empty()) {
        const QString path = qs(icon->picture);
        const QString file = pictureFileFor(path, w->devicePixelRatioF());
        pm.load(file);
        pm.setDevicePixelRatio(file == path ? 1.0 : 2.0);
      }
      if (!pm.isNull()) {
        // Bitmaps have no transparency: the colour of the top-left pixel is see-through.
        pm.setMask(pm.createMaskFromColor(pm.toImage().pixelColor(0, 0), Qt::MaskInColor));
        w->setCursor(QCursor(pm, 0, 0));
      } else {
        static const Qt::CursorShape shapes[] = {Qt::CrossCursor, Qt::ForbiddenCursor,
                                                 Qt::PointingHandCursor};
        w->setCursor(shapes[c.cursor % 3]);
      }
    }
  }
  if (w->isVisibleTo(w->parentWidget()) != c.visible) w->setVisible(c.visible);
  return restyled;
}

void FormView::syncTimers() {
  for (Form::Timer* t : form_->timers()) {
    QTimer*& q = timers_[t->name];
    if (q == nullptr) {
      q = new QTimer(this);
      const std::string name = t->name;
      connect(q, &QTimer::timeout, this,
              [this, name] { act([name](Form& f) { userTimer(f, name); }); });
    }
    const int interval = std::max(t->interval, 1);
    if (q->interval() != interval) q->setInterval(interval);
    const bool on = t->enabled && t->interval > 0;
    if (on && !q->isActive()) q->start();
    if (!on && q->isActive()) q->stop();
  }
}

void FormView::act(const std::function<void(Form&)>& action) {
  if (form_ == nullptr) return;
  Game& g = form_->game();
  const std::string label = form_->name() + "/View ";
  // The form may close inside the action, while this view's handler is still on the stack
  // (a pause or a message box runs other events meanwhile): the view stays until it returns.
  ++acting_;
  try {
    action(*form_);
  } catch (...) {
    reportCurrentError(g, label);
  }
  --acting_;
  host_.syncAll();
  if (released_) {
    if (acting_ == 0) deleteLater();
    return;
  }
  if (form_ != nullptr) showPopups();
}

void FormView::actOn(const std::string& control, const std::function<void(Form&)>& action) {
  for (Made& m : made_)
    if (m.name == control) m.shown.reset();
  act(action);
}

void FormView::showPopups() {
  for (const auto& name : form_->controlOrder()) {
    Control& c = form_->ctl(name);
    if (c.kind != Kind::Menu || c.value != 1) continue;
    const Control* parent = c.parent.empty() ? nullptr : form_->find(c.parent);
    if (parent != nullptr && parent->kind == Kind::Menu) continue;
    c.value = 0;
    popup(name);
    return;
  }
}

void FormView::popup(const std::string& menu) {
  QMenu m(this);
  m.setObjectName(qs(menu));
  std::map<QAction*, std::string> entries;
  std::function<void(QMenu*, const std::string&)> fill = [&](QMenu* into,
                                                             const std::string& parent) {
    for (const auto& name : form_->controlOrder()) {
      const Control& e = form_->ctl(name);
      if (e.kind != Kind::Menu || e.parent != parent || !e.visible) continue;
      if (e.caption == "-") {
        into->addSeparator();
        continue;
      }
      bool hasChildren = false;
      for (const auto& other : form_->controlOrder())
        if (form_->ctl(other).kind == Kind::Menu && form_->ctl(other).parent == name)
          hasChildren = true;
      if (hasChildren) {
        QMenu* sub = into->addMenu(qs(e.caption));
        sub->setEnabled(e.enabled);
        fill(sub, name);
        continue;
      }
      QAction* a = into->addAction(qs(e.caption));
      a->setObjectName(qs(name));
      a->setEnabled(e.enabled);
      a->setCheckable(e.value == 1);
      a->setChecked(e.value == 1);
      entries[a] = name;
    }
  };
  fill(&m, menu);
  ++acting_;
  QAction* chosen = m.exec(QCursor::pos());
  --acting_;
  if (released_) {
    if (acting_ == 0) deleteLater();
    return;
  }
  if (chosen == nullptr || form_ == nullptr) return;
  auto it = entries.find(chosen);
  if (it == entries.end()) return;
  const std::string entry = it->second;
  act([entry](Form& f) { userClick(f, entry); });
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  auto it = names_.find(watched);
  if (it == names_.end() || form_ == nullptr) return QWidget::eventFilter(watched, event);
  const std::string name = it->second;
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() == Qt::RightButton) {
        act([name](Form& f) { userClick(f, name, 2); });
        return true;
      }
      break;
    }
    case QEvent::MouseButtonRelease: {
      auto* me = static_cast<QMouseEvent*>(event);
      auto* w = qobject_cast<QWidget*>(watched);
      if (me->button() == Qt::LeftButton && w != nullptr && w->rect().contains(me->pos()) &&
          isPassiveKind(form_->ctl(name).kind)) {
        act([name](Form& f) { userClick(f, name); });
        return true;
      }
      break;
    }
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (form_->ctl(name).kind == Kind::DirList &&
          (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        act([name](Form& f) { userDblClick(f, name); });
        return true;
      }
      break;
    }
    case QEvent::MouseButtonDblClick: {
      if (isPassiveKind(form_->ctl(name).kind)) {
        act([name](Form& f) { userDblClick(f, name); });
        return true;
      }
      break;
    }
    case QEvent::DragEnter: {
      auto* de = static_cast<QDragEnterEvent*>(event);
      if (de->mimeData()->hasUrls()) {
        de->acceptProposedAction();
        return true;
      }
      break;
    }
    case QEvent::DragMove: {
      static_cast<QDragMoveEvent*>(event)->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* de = static_cast<QDropEvent*>(event);
      std::vector<std::string> files;
      for (const QUrl& url : de->mimeData()->urls())
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
      de->acceptProposedAction();
      if (!files.empty()) act([name, files](Form& f) { userDrop(f, name, files); });
      return true;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void FormView::closeEvent(QCloseEvent* event) {
  if (form_ == nullptr) {
    event->accept();
    return;
  }
  bool closed = false;
  act([&closed](Form& f) { closed = userClose(f); });
  if (closed) {
    event->accept();
  } else {
    event->ignore();
  }
}

void FormView::keyPressEvent(QKeyEvent* event) {
  if (form_ != nullptr && form_->hasHandler("Me", Event::KeyPress)) {
    int key = event->key();
    const QString text = event->text();
    if (!text.isEmpty()) key = text.at(0).unicode();
    act([key](Form& f) { userKey(f, key); });
    return;
  }
  QWidget::keyPressEvent(event);
}

void FormView::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // Native Wayland tells a window nothing of where it is: the position it has stays.
  if (form_ == nullptr || syncing_ || !isVisible() || !QtWindowHost::windowsKnowTheirPlace())
    return;
  const QPoint at = frameGeometry().topLeft();
  if (askedMoves_ > 0) {
    // The desktop tells where the window really is. A desktop that places every window itself
    // answers each move with the place the window had before the moves began.
    if (at != movedFrom_) {
      askedMoves_ = 0;
    } else if (++reportsUnmoved_ >= kUnmovedReports && askedMoves_ >= kUnmovedReports) {
      movesIgnored_ = true;
    }
  }
  const double d = dpi();
  Control& me = form_->me();
  me.left = pixelsToTwips(at.x(), d);
  me.top = pixelsToTwips(at.y(), d);
  appliedLeft_ = me.left;
  appliedTop_ = me.top;
}

void ChartWidget::setShape(std::vector<std::pair<int, int>> points, double dpi, unsigned fore,
                           unsigned back) {
  if (points == points_ && dpi == dpi_ && fore == fore_ && back == back_) return;
  points_ = std::move(points);
  dpi_ = dpi;
  fore_ = fore;
  back_ = back;
  update();
}

void ChartWidget::setPainter(Painter painter) {
  painter_ = std::move(painter);
  update();
}

void ChartWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QPolygon poly;
  for (const auto& [x, y] : points_) poly << QPoint(twipsToPixels(x, dpi_), twipsToPixels(y, dpi_));
  if (painter_) {
    painter_(p, poly, size());
    return;
  }
  p.setRenderHint(QPainter::Antialiasing);
  if (poly.size() < 2) return;
  p.setPen(QPen(qcolor(fore_), 1.5));
  QColor fill = qcolor(fore_);
  fill.setAlpha(90);
  p.setBrush(fill);
  p.drawPolygon(poly);
}

}  // namespace myu::ui

namespace myu::ui {

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {}

CaptionLabel::~CaptionLabel() = default;

void CaptionLabel::setSpreadLines(bool on) {
  spread_ = on;
  update();
}

void CaptionLabel::layOut(double width) {
  const bool wrap = wordWrap();
  if (laidWidth_ == width && laidWrap_ == wrap && laidText_ == text() && laidFont_ == font())
    return;
  laidText_ = text();
  laidFont_ = font();
  laidWidth_ = width;
  laidWrap_ = wrap;
  ++layoutCount_;
  QTextOption option;
  option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  // Every paragraph first: the spacing may depend on the number of lines.
  layouts_.clear();
  lineCount_ = 0;
  for (const QString& para : laidText_.split(QLatin1Char('\n'))) {
    auto layout = std::make_unique<QTextLayout>(para, laidFont_);
    layout->setTextOption(option);
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
      line.setLineWidth(width);
      line.setPosition(QPointF(0, 0));
    }
    layout->endLayout();
    lineCount_ += std::max(1, layout->lineCount());
    layouts_.push_back(std::move(layout));
  }
}

double CaptionLabel::lineHeight() const {
  const QFontMetricsF fm(font());
  double height = std::max(fm.height() * 0.72, font().pointSizeF() * logicalDpiY() / 72.0 * 1.05);
  if (spread_ && lineCount_ > 1)
    height = std::max(height, std::min(fm.lineSpacing(),
                                       contentsRect().height() / static_cast<double>(lineCount_)));
  return height;
}

bool CaptionLabel::textFits() {
  if (!pixmap().isNull() || text().isEmpty()) return true;
  const double width = std::max(1, contentsRect().width());
  layOut(width);
  for (const auto& layout : layouts_)
    for (int i = 0; i < layout->lineCount(); ++i)
      if (layout->lineAt(i).naturalTextWidth() > width + 0.5) return false;
  // Half a pixel of rounding allowed.
  return lineCount_ * lineHeight() <= contentsRect().height() + 0.5;
}

QRect CaptionFrame::captionRect() const {
  if (title().isEmpty()) return {};
  const QFontMetricsF fm(font());
  const double line =
      std::max(fm.height() * 0.72, font().pointSizeF() * logicalDpiY() / 72.0 * 1.05);
  const int pad = std::max(2, static_cast<int>(fm.averageCharWidth() / 2));
  return {2 * pad, 0, static_cast<int>(std::ceil(fm.horizontalAdvance(title()))) + 2 * pad,
          static_cast<int>(std::ceil(line))};
}

void CaptionFrame::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  const QRect caption = captionRect();
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.rect = rect().adjusted(0, caption.height() / 2, 0, 0);
  frame.lineWidth = 1;
  frame.midLineWidth = 0;
  style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &p, this);
  if (caption.isEmpty()) return;
  p.fillRect(caption, palette().color(backgroundRole()));
  p.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  // The ink of the caption in the middle of its band, on the frame's line.
  const QFontMetricsF fm(font());
  const QRectF ink = fm.tightBoundingRect(title());
  const double baseline = caption.top() + caption.height() / 2.0 - (ink.top() + ink.bottom()) / 2.0;
  p.drawText(
      QPointF(caption.left() + (caption.width() - fm.horizontalAdvance(title())) / 2.0, baseline),
      title());
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  if (!pixmap().isNull() || text().isEmpty()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter p(this);
  drawFrame(&p);
  p.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  const QFontMetricsF fm(font());
  const double width = std::max(1, contentsRect().width());
  layOut(width);
  const double lineHeight = this->lineHeight();
  double y = contentsRect().top();
  for (const auto& layout : layouts_) {
    if (layout->lineCount() == 0) y += lineHeight;
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      double x = contentsRect().left();
      const double room = width - line.naturalTextWidth();
      if (room > 0 && (alignment() & Qt::AlignHCenter)) x += room / 2;
      if (room > 0 && (alignment() & Qt::AlignRight)) x += room;
      line.draw(&p, QPointF(x, y + (lineHeight - fm.height()) / 2));
      y += lineHeight;
    }
  }
}

}  // namespace myu::ui
