// The main window's controls and their keyboard and mouse behaviour.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "main_window_fixture.h"
#include "ui/qt/gbk_conversion.h"
#include "ui/qt/window_frame.h"

namespace qinghe::test {
namespace {

QString text(std::string_view gbk) {
  return fromGbk(gbk);
}

// Types each character as a key press; characters QTest has no key for come as bare text.
void type(QWidget* target, const QString& typed) {
  for (const QChar c : typed) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(target, c.toLatin1());
      continue;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
  }
}

std::vector<ControlId> focusableControls() {
  std::vector<ControlId> ids;
  for (const ControlSpec& entry : mainWindowControls()) {
    if (entry.takesFocus) {
      ids.push_back(entry.id);
    }
  }
  return ids;
}

TEST_F(MainWindowTest, StartsWithTheDefaultChoicesAndAnEmptyStatus) {
  auto* lengths = widget<QComboBox>(ControlId::组合框1);
  auto* kinds = widget<QComboBox>(ControlId::组合框2);
  ASSERT_EQ(lengths->count(), 97);
  ASSERT_EQ(kinds->count(), 7);
  for (int i = 0; i < 97; ++i) {
    EXPECT_EQ(lengths->itemText(i), text(lengthItems()[static_cast<std::size_t>(i)])) << i;
  }
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(kinds->itemText(i), text(kindItems()[static_cast<std::size_t>(i)])) << i;
  }
  EXPECT_FALSE(lengths->isEditable());
  EXPECT_FALSE(kinds->isEditable());
  EXPECT_EQ(lengths->currentText(), QStringLiteral("30"));
  EXPECT_EQ(kinds->currentText(), QStringLiteral("数字+字母"));
  EXPECT_EQ(widget<QLineEdit>(ControlId::编辑框1)->text(), QStringLiteral("1000"));
  EXPECT_TRUE(widget<QRadioButton>(ControlId::单选框2)->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(ControlId::单选框1)->isChecked());
  EXPECT_TRUE(status().isEmpty());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("青禾随机密码生成器Ver1.0"));

  // What a run reads through the port: the core's own bytes.
  EXPECT_EQ(window->lengthItemText(), GbkText("30"));
  EXPECT_EQ(window->kindItemText(), GbkText(kindItems()[3]));
  EXPECT_EQ(window->countText(), GbkText("1000"));
  EXPECT_TRUE(window->isNumberedChecked());
}

TEST_F(MainWindowTest, PlacesEachControlAtItsTableRectangleInAFixedWindow) {
  EXPECT_EQ(window->size(), clientSizeOf(mainWindowSpec()));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  for (const ControlSpec& entry : mainWindowControls()) {
    const QWidget* control = window->findChild<QWidget*>(QString::fromUtf8(entry.name.data()));
    ASSERT_NE(control, nullptr) << entry.name;
    const QRect at = control->geometry();
    EXPECT_EQ(at.topLeft(), QPoint(entry.rect.left, entry.rect.top)) << entry.name;
    // Labels may be wider than their rectangle and lists taller, never the other way.
    const bool mayGrow =
        entry.kind == ControlKind::label || entry.kind == ControlKind::dropDownList;
    if (mayGrow) {
      EXPECT_GE(at.width(), entry.rect.width) << entry.name;
      EXPECT_GE(at.height(), entry.rect.height) << entry.name;
    } else {
      EXPECT_EQ(at.size(), QSize(entry.rect.width, entry.rect.height)) << entry.name;
    }
    EXPECT_TRUE(window->rect().contains(at)) << entry.name;
    EXPECT_EQ(control->focusPolicy() != Qt::NoFocus, entry.takesFocus) << entry.name;
  }
}

struct TypingCase {
  const char* typed;
  QString expected;
};

TEST_F(MainWindowTest, CountBoxTakesOnlyDigitsAndMinusWhenTypedUpToSevenCharacters) {
  const std::vector<TypingCase> cases{
      {"a+. e", ""}, {"12345678", "1234567"}, {"1-2", "1-2"},
      {"--", "--"},  {"7x8y9", "789"},        {"\xef\xbc\x91\xef\xbc\x92", ""},  // "１２"
  };
  auto* box = widget<QLineEdit>(ControlId::编辑框1);
  for (const TypingCase& typing : cases) {
    focus(ControlId::编辑框1);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    ASSERT_TRUE(box->text().isEmpty());
    type(box, QString::fromUtf8(typing.typed));
    EXPECT_EQ(box->text(), typing.expected) << typing.typed;
  }
}

TEST_F(MainWindowTest, CountBoxKeepsControlKeysAndClipboardShortcuts) {
  auto* box = widget<QLineEdit>(ControlId::编辑框1);
  focus(ControlId::编辑框1);
  QTest::keyClick(box, Qt::Key_End);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), QStringLiteral("100"));
  QTest::keyClick(box, Qt::Key_Home);
  QTest::keyClick(box, Qt::Key_Delete);
  EXPECT_EQ(box->text(), QStringLiteral("00"));
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
  EXPECT_TRUE(box->text().isEmpty());
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("00"));
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), QStringLiteral("0000"));
}

struct PasteCase {
  QString pasted;
  QString shown;
  std::string_view read;  // what a run reads, code page 936
};

TEST_F(MainWindowTest, PastedTextIsNotFilteredButKeepsTheLimit) {
  const std::vector<PasteCase> cases{
      {QStringLiteral("abc"), QStringLiteral("abc"), "abc"},
      {QStringLiteral("123456789"), QStringLiteral("1234567"), "1234567"},
      {QStringLiteral("１０"), QStringLiteral("１０"), "\xA3\xB1\xA3\xB0"},
  };
  auto* box = widget<QLineEdit>(ControlId::编辑框1);
  for (const PasteCase& paste : cases) {
    focus(ControlId::编辑框1);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText(paste.pasted);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), paste.shown);
    EXPECT_EQ(window->countText(), GbkText(paste.read)) << paste.pasted.toStdString();
  }
}

TEST_F(MainWindowTest, RadioButtonsFormOneGroup) {
  auto* plain = widget<QRadioButton>(ControlId::单选框1);
  auto* numbered = widget<QRadioButton>(ControlId::单选框2);
  QTest::mouseClick(plain, Qt::LeftButton);
  EXPECT_TRUE(plain->isChecked());
  EXPECT_FALSE(numbered->isChecked());
  EXPECT_FALSE(window->isNumberedChecked());
  QTest::mouseClick(numbered, Qt::LeftButton);
  EXPECT_FALSE(plain->isChecked());
  EXPECT_TRUE(window->isNumberedChecked());
}

TEST_F(MainWindowTest, EnterClicksNothingWhereverTheFocusIs) {
  for (const ControlId id : focusableControls()) {
    focus(id);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
  }
  EXPECT_TRUE(chooser.calls.empty());
  EXPECT_TRUE(status().isEmpty());
  EXPECT_TRUE(endCodes.empty());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, TabMovesTheFocusInTableOrderAndBack) {
  // One Tab stop for the radio group: its checked button, from the start on.
  std::vector<ControlId> order = focusableControls();
  std::erase(order, ControlId::单选框1);
  checkTabOrder(order);
  QTest::mouseClick(window->control(ControlId::单选框1), Qt::LeftButton);
  order = focusableControls();
  std::erase(order, ControlId::单选框2);
  checkTabOrder(order);
}

TEST_F(MainWindowTest, ArrowKeysMoveWithinTheRadioGroup) {
  focus(ControlId::单选框2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
  EXPECT_EQ(QApplication::focusWidget(), window->control(ControlId::单选框1));
  EXPECT_TRUE(widget<QRadioButton>(ControlId::单选框1)->isChecked());
  EXPECT_FALSE(window->isNumberedChecked());
}

TEST_F(MainWindowTest, EscClosesTheWindowWhereverTheFocusIs) {
  for (const ControlId id : focusableControls()) {
    window = makeWindow(source);
    focus(id);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(window->isClosed()) << controlSpec(id).name;
    EXPECT_FALSE(window->isVisible()) << controlSpec(id).name;
  }
  EXPECT_TRUE(endCodes.empty());
}

TEST_F(MainWindowTest, EscFirstClosesAnOpenDropDownList) {
  auto* lengths = widget<QComboBox>(ControlId::组合框1);
  focus(ControlId::组合框1);
  lengths->showPopup();
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  QTest::keyClick(popup, Qt::Key_Escape);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_FALSE(window->isClosed());
  EXPECT_EQ(lengths->currentText(), QStringLiteral("30"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(window->isClosed());
}

TEST_F(MainWindowTest, DroppedListDropsBelowTheBoxWithinTheTableHeight) {
  for (const ControlId id : {ControlId::组合框1, ControlId::组合框2}) {
    auto* list = widget<QComboBox>(id);
    list->showPopup();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_LE(list->height() + popup->height(), kDroppedListHeight) << controlSpec(id).name;
    // It drops below the box (from its last pixel row), not over it.
    EXPECT_EQ(popup->y(), list->mapToGlobal(list->rect().bottomLeft()).y()) << controlSpec(id).name;
    list->hidePopup();
  }
}

struct DoubleClickCase {
  const char* where;
  QPoint at;  // in the window
  Qt::MouseButton button;
  bool onControl;
  bool opensFolder;
};

TEST_F(MainWindowTest, DoubleClickOnTheFreeAreaOpensTheProgramFolderOnlyThere) {
  const std::vector<DoubleClickCase> cases{
      {"between a label and its list", {88, 20}, Qt::LeftButton, false, true},
      {"right of the buttons", {243, 100}, Qt::LeftButton, false, true},
      {"free area, right button", {88, 20}, Qt::RightButton, false, false},
      {"标签1", {20, 16}, Qt::LeftButton, true, false},
      {"标签4", {124, 132}, Qt::LeftButton, true, false},
      {"编辑框1", {150, 40}, Qt::LeftButton, true, false},
  };
  for (const DoubleClickCase& click : cases) {
    QWidget* target = window->childAt(click.at);
    ASSERT_EQ(target != nullptr, click.onControl) << click.where;
    QWidget* receiver = target != nullptr ? target : window.get();
    const QStringList before = opened.localFiles();
    QTest::mouseDClick(receiver, click.button, {}, receiver->mapFrom(window.get(), click.at));
    const QStringList after = opened.localFiles();
    if (click.opensFolder) {
      EXPECT_EQ(after, before + QStringList{programFolder.path()}) << click.where;
    } else {
      EXPECT_EQ(after, before) << click.where;
    }
  }
}

}  // namespace
}  // namespace qinghe::test
