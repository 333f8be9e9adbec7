#include <gtest/gtest.h>

#include "forms/control.h"

namespace {

using forms::Property;

struct Recorder : forms::ControlObserver {
  std::vector<std::pair<std::string, Property>> changes;
  void propertyChanged(forms::Control& control, Property property) override {
    changes.emplace_back(control.name(), property);
  }
};

TEST(Forms, TextChangesRunChangeOnlyOnARealChangeAndNestCorrectly) {
  forms::TextBox box("box");
  std::vector<std::string> seen;
  box.onChange = [&] {
    seen.push_back(box.text());
    if (box.text() == "40") box.setText(" 32");  // a clamp re-entering its own handler
  };
  box.setText("");
  EXPECT_TRUE(seen.empty());
  box.operatorType("40");
  EXPECT_EQ(seen, (std::vector<std::string>{"40", " 32"}));
  EXPECT_EQ(box.text(), " 32");
  box.setText(" 32");
  EXPECT_EQ(seen.size(), 2u);

  box.setLocked(true);
  box.operatorType("typed");
  EXPECT_EQ(box.text(), " 32") << "a locked box ignores typing";
  box.setText("code");
  EXPECT_EQ(box.text(), "code") << "but not the program";
}

TEST(Forms, ComboPickRunsClickWithoutChangeAndCodeNeverRunsClick) {
  forms::ComboBox combo("combo");
  combo.addItem("a");
  combo.addItem("b");
  int changes = 0, clicks = 0;
  combo.onChange = [&] { ++changes; };
  combo.onClick = [&] { ++clicks; };
  combo.setText("x");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 0);
  combo.operatorPick(1);
  EXPECT_EQ(combo.text(), "b");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
  combo.operatorPick(1);
  EXPECT_EQ(clicks, 2) << "every pick is a click";
  combo.operatorType("c");
  EXPECT_EQ(changes, 2);
}

TEST(Forms, CheckBoxAndListBoxRunClickOnEveryRealChange) {
  forms::CheckBox box("check");
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  box.setValue(0);
  box.setValue(1);
  box.operatorClick();
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(box.checked());

  forms::ListBox list("list");
  std::vector<std::string> events;
  list.onClick = [&] { events.push_back("click " + list.text()); };
  list.onDblClick = [&] { events.push_back("dblclick " + list.text()); };
  for (const char* item : {"a", "b", "c"}) list.addItem(item);
  EXPECT_TRUE(events.empty()) << "filling selects nothing";
  list.operatorPick(1);
  list.operatorDoubleClick(1);
  list.operatorDoubleClick(2);
  EXPECT_EQ(events, (std::vector<std::string>{"click b", "dblclick b", "click c", "dblclick c"}));
  list.removeItem(0);
  EXPECT_EQ(list.text(), "c") << "the selection follows its item";
  list.clear();
  EXPECT_EQ(list.listIndex(), -1);
  EXPECT_EQ(events.size(), 4u) << "emptying runs no handler";
}

TEST(Forms, OptionGroupsArePerContainerAndMouseDownRunsOnEveryPressOfAnyButton) {
  forms::Frame left("left"), right("right");
  forms::OptionButton a("a"), b("b"), c("c");
  a.place(&left, 0, 0, 10, 10);
  b.place(&left, 0, 0, 10, 10);
  c.place(&right, 0, 0, 10, 10);
  std::vector<std::string> events;
  for (forms::OptionButton* option : {&a, &b, &c}) {
    option->onClick = [&events, option] { events.push_back("click " + option->name()); };
    option->onMouseDown = [&events, option] { events.push_back("down " + option->name()); };
  }
  a.operatorPress();
  a.operatorPress();
  b.operatorPress();
  c.operatorPress();
  a.operatorMouseDown();  // the right or middle button: no selection
  EXPECT_EQ(events, (std::vector<std::string>{"down a", "click a", "down a", "down b", "click b", "down c", "click c",
                                              "down a"}));
  EXPECT_FALSE(a.value());
  EXPECT_TRUE(b.value());
  EXPECT_TRUE(c.value()) << "another container's group is its own";
}

TEST(Forms, DisabledOrHiddenControlsAndContainersIgnoreTheOperator) {
  forms::Frame frame("frame");
  forms::CommandButton button("button");
  forms::TextBox box("box");
  forms::MenuEntry menu("menu");
  button.place(&frame, 0, 0, 10, 10);
  box.place(&frame, 0, 0, 10, 10);
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  menu.onClick = [&] { ++clicks; };

  frame.setEnabled(false);
  button.operatorClick();
  box.operatorType("x");
  frame.setEnabled(true);
  frame.setVisible(false);
  button.operatorClick();
  EXPECT_FALSE(button.shown());
  frame.setVisible(true);
  button.setEnabled(false);
  button.operatorClick();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(box.text(), "");

  button.setEnabled(true);
  button.operatorClick();
  menu.operatorClick();
  EXPECT_EQ(clicks, 2);
}

TEST(Forms, TheObserverHearsEveryRealPropertyChange) {
  Recorder recorder;
  forms::ComboBox combo("combo");
  forms::Frame frame("frame");
  combo.setObserver(&recorder);
  frame.setObserver(&recorder);
  combo.setText("a");
  combo.setText("a");
  combo.addItem("x");
  combo.setEnabled(false);
  combo.setBackColor(0xC0C0FF);
  combo.setBackColor(0xC0C0FF);
  frame.setWidth(5055);
  frame.setCaption("File Name");
  EXPECT_EQ(recorder.changes, (std::vector<std::pair<std::string, Property>>{
                                  {"combo", Property::Text}, {"combo", Property::Items}, {"combo", Property::Enabled},
                                  {"combo", Property::BackColor}, {"frame", Property::Geometry}, {"frame", Property::Caption}}));
}

// A view follows a list item by item: each notification tells what the change did.
TEST(Forms, EachChangeOfAListTellsWhatItDid) {
  using Kind = forms::ItemChange::Kind;
  struct ChangeRecorder : forms::ControlObserver {
    std::vector<std::pair<Kind, int>> changes;
    void propertyChanged(forms::Control& control, Property property) override {
      ASSERT_EQ(property, Property::Items);
      const forms::ItemChange& change = dynamic_cast<forms::ItemList&>(control).lastChange();
      changes.emplace_back(change.kind, change.index);
    }
  } recorder;
  forms::ListBox list("list");
  list.setObserver(&recorder);
  for (const char* item : {"a", "b", "c"}) list.addItem(item);
  list.removeItem(1);
  list.clear();
  list.clear();  // nothing to clear: no change
  EXPECT_EQ(recorder.changes, (std::vector<std::pair<Kind, int>>{
                                  {Kind::Added, 0}, {Kind::Added, 1}, {Kind::Added, 2}, {Kind::Removed, 1}, {Kind::Cleared, 0}}));
}

}  // namespace
