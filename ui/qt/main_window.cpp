#include "ui/qt/main_window.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "generation/out_of_memory.h"
#include "report/fatal_messages.h"
#include "report/generate_command.h"
#include "report/pause_loop.h"
#include "ui/qt/about_window.h"
#include "ui/qt/count_box.h"
#include "ui/qt/desktop_open.h"
#include "ui/qt/event_drain.h"
#include "ui/qt/gbk_conversion.h"
#include "ui/qt/status_label.h"
#include "ui/qt/tall_item_delegate.h"
#include "ui/qt/window_frame.h"
#include "ui/ui_texts.h"

namespace qinghe {

namespace {

QComboBox* makeList(QWidget* parent, std::span<const std::string_view> items) {
  auto* list = new QComboBox(parent);
  list->setEditable(false);
  // A list that drops below the box, as many items tall as kDroppedListHeight allows, rather
  // than the menu over the box that some styles show whatever the number of items.
  list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  list->setItemDelegate(new TallItemDelegate(list, kListItemExtraHeight));
  for (const std::string_view item : items) {
    list->addItem(fromGbk(item));
  }
  return list;
}

QWidget* makeControl(QWidget* parent, const ControlSpec& entry) {
  const QString text = fromGbk(entry.text);
  switch (entry.kind) {
    case ControlKind::label: {
      auto* label = new QLabel(text, parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      QPalette colours = label->palette();
      colours.setColor(QPalette::WindowText, Qt::black);
      label->setPalette(colours);
      return label;
    }
    case ControlKind::statusLabel:
      return new StatusLabel(parent);
    case ControlKind::dropDownList:
      return makeList(parent, entry.id == ControlId::组合框1 ? lengthItems() : kindItems());
    case ControlKind::countBox: {
      auto* box = new CountBox(parent);
      box->setText(text);
      return box;
    }
    case ControlKind::radioButton:
      return new QRadioButton(text, parent);
    case ControlKind::pushButton: {
      auto* button = new QPushButton(text, parent);
      // No default button: Enter clicks nothing.
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
  }
  return nullptr;
}

// A drop-down list's closed box is as tall as its font needs, as on the platform the table
// was drawn for, where the stored height only sets the dropped list.
QRect placeOf(const ControlSpec& entry, const QWidget& control) {
  int height = entry.rect.height;
  if (entry.kind == ControlKind::dropDownList) {
    height = std::max(height, control.sizeHint().height());
  }
  // Labels draw their own text and are never clipped short of it.
  int width = entry.rect.width;
  if (entry.kind == ControlKind::label) {
    width = std::max(width, control.sizeHint().width());
  }
  return {entry.rect.left, entry.rect.top, width, height};
}

// Box and dropped list together within kDroppedListHeight; a scroll bar shows the rest.
void fitDroppedList(QComboBox& list) {
  int row = 1;
  for (int i = 0; i < list.count(); ++i) {
    row = std::max(row, list.view()->sizeHintForRow(i));
  }
  const int room = kDroppedListHeight - list.height() - 2 * list.view()->frameWidth();
  list.setMaxVisibleItems(std::max(1, room / row));
}

}  // namespace

MainWindow::MainWindow(RandomSource& source, Clock& clock, SaveFileChooser& chooser,
                       QString programFolder, std::function<void(int)> endProgram)
    : source_(source),
      clock_(clock),
      programFolder_(std::move(programFolder)),
      endProgram_(std::move(endProgram)),
      savePort_(*this, chooser, programFolder_) {
  setObjectName(QStringLiteral("MainWindow"));
  setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Button));
  setPalette(colours);
  setAutoFillBackground(true);
  fixWindowFrame(*this, mainWindowSpec());
  createControls();
  selectDefaults();
  wireSignals();
}

QWidget* MainWindow::control(ControlId id) const {
  return controls_.at(static_cast<std::size_t>(id));
}

void MainWindow::createControls() {
  QWidget* previous = nullptr;
  for (const ControlSpec& entry : mainWindowControls()) {
    QWidget* widget = makeControl(this, entry);
    widget->setObjectName(
        QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
    widget->setGeometry(placeOf(entry, *widget));
    if (entry.kind == ControlKind::dropDownList) {
      fitDroppedList(*static_cast<QComboBox*>(widget));
    }
    widget->setFocusPolicy(entry.takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    if (entry.takesFocus) {
      if (previous != nullptr) {
        setTabOrder(previous, widget);
      }
      previous = widget;
    }
    controls_.at(static_cast<std::size_t>(entry.id)) = widget;
  }
  lengthList_ = static_cast<QComboBox*>(control(ControlId::组合框1));
  kindList_ = static_cast<QComboBox*>(control(ControlId::组合框2));
  countBox_ = static_cast<CountBox*>(control(ControlId::编辑框1));
  numberedRadio_ = static_cast<QRadioButton*>(control(ControlId::单选框2));

  status_ = static_cast<StatusLabel*>(control(ControlId::标签4));
}

void MainWindow::selectDefaults() {
  lengthList_->setCurrentIndex(kDefaultLengthIndex);
  kindList_->setCurrentIndex(kDefaultKindIndex);
  numberedRadio_->setChecked(true);
  // Tab enters the radio group at its checked button; Qt keeps it so as the choice changes.
  control(ControlId::单选框1)->setFocusPolicy(Qt::ClickFocus);
}

void MainWindow::wireSignals() {
  const auto button = [this](ControlId id) { return static_cast<QPushButton*>(control(id)); };
  connect(button(ControlId::按钮1), &QPushButton::clicked, this, [this] { generate(); });
  connect(button(ControlId::按钮2), &QPushButton::clicked, this, [this] { endProgram_(0); });
  connect(button(ControlId::按钮3), &QPushButton::clicked, this, [this] { showAboutWindow(this); });
}

void MainWindow::generate() {
  try {
    GenerateCommand(source_, clock_).run(*this);
  } catch (const OutOfMemory& error) {
    QMessageBox::critical(this, fromGbk(ui_texts::gbk::kFatalTitle),
                          fromGbk(outOfMemoryMessage(error.bytes(), TextEncoding::gbk)));
    endProgram_(-1);
  }
}

void MainWindow::setStatusText(const GbkText& text) {
  status_->setText(fromGbk(text.bytes()));
}

void MainWindow::pauseWithEvents(std::int32_t milliseconds) {
  EventDrain drain;
  qinghe::pauseWithEvents(milliseconds, millisecondTick, [&drain] { drain.drain(); });
}

GbkText MainWindow::lengthItemText() {
  return itemText(lengthItems(), lengthList_->currentIndex());
}

GbkText MainWindow::kindItemText() {
  return itemText(kindItems(), kindList_->currentIndex());
}

GbkText MainWindow::countText() {
  return toGbk(countBox_->text());
}

bool MainWindow::isNumberedChecked() {
  return numberedRadio_->isChecked();
}

void MainWindow::saveAndOpenReport(std::string_view report) {
  qinghe::saveAndOpenReport(report, clock_, savePort_);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Reaches the window only when the focused control left the key alone.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  // Controls and labels pass their clicks on to the window; only the free area counts.
  if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) {
    openInDesktop(programFolder_);
    return;
  }
  QWidget::mouseDoubleClickEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  closed_ = true;
  QWidget::closeEvent(event);
}

}  // namespace qinghe
