#include <gtest/gtest.h>

#include "forms/control.h"

namespace {

using Events = std::vector<std::string>;

// What a view hears of the controls it observes.
struct PropertyRecorder : forms::ControlObserver {
  std::vector<forms::Property> properties;
  void propertyChanged(forms::Control&, forms::Property property) override { properties.push_back(property); }
};

TEST(Forms, ATextChangeRunsChangeOnlyWhenRealNestedAsItComesAndLockedToTheOperator) {
  forms::TextBox box("box");
  Events seen;
  box.onChange = [&] {
    seen.push_back(box.text());
    if (box.text() == "40") box.setText(" 32");  // a clamp re-entering its own handler
  };
  box.setText("");
  box.operatorType("40");
  box.setText(" 32");
  box.setLocked(true);
  box.operatorType("typed");
  box.setText("code");
  EXPECT_EQ(seen, (Events{"40", " 32", "code"})) << "a locked box ignores typing, not the program";
}

TEST(Forms, APickRunsClickWithoutChangeCodeNeverRunsClickAndACheckBoxClicksOnARealChange) {
  forms::ComboBox combo("combo");
  combo.addItem("a");
  combo.addItem("b");
  forms::CheckBox box("check");
  Events events;
  combo.onChange = [&] { events.push_back("change " + combo.text()); };
  combo.onClick = [&] { events.push_back("click " + combo.text()); };
  box.onClick = [&] { events.push_back("check " + std::to_string(box.value())); };
  combo.setText("x");
  combo.operatorPick(1);
  combo.operatorPick(1);
  combo.operatorType("c");
  box.setValue(0);
  box.setValue(1);
  box.operatorClick();
  EXPECT_EQ(events, (Events{"change x", "click b", "click b", "change c", "check 1", "check 0"}));
}

TEST(Forms, AListRunsClickOnEveryNewSelectionAndDblClickAfterIt) {
  forms::ListBox list("list");
  Events events;
  list.onClick = [&] { events.push_back("click " + list.text()); };
  list.onDblClick = [&] { events.push_back("dblclick " + list.text()); };
  for (const char* item : {"a", "b", "c"}) list.addItem(item);
  list.operatorPick(1);
  list.operatorDoubleClick(1);
  list.operatorDoubleClick(2);
  list.removeItem(0);
  EXPECT_EQ(list.text(), "c") << "the selection follows its item";
  list.clear();
  EXPECT_EQ(list.listIndex(), -1);
  EXPECT_EQ(events, (Events{"click b", "dblclick b", "click c", "dblclick c"})) << "filling and emptying run none";
}

TEST(Forms, OptionGroupsArePerContainerAndMouseDownRunsOnEveryPress) {
  forms::Frame left("left"), right("right");
  forms::OptionButton a("a"), b("b"), c("c");
  a.place(&left, 0, 0, 10, 10);
  b.place(&left, 0, 0, 10, 10);
  c.place(&right, 0, 0, 10, 10);
  Events events;
  for (forms::OptionButton* option : {&a, &b, &c}) {
    option->onClick = [&events, option] { events.push_back("click " + option->name()); };
    option->onMouseDown = [&events, option] { events.push_back("down " + option->name()); };
  }
  a.operatorPress();
  a.operatorPress();
  b.operatorPress();
  c.operatorPress();
  a.operatorMouseDown();  // the right or middle button: no selection
  EXPECT_EQ(events, (Events{"down a", "click a", "down a", "down b", "click b", "down c", "click c", "down a"}));
  EXPECT_EQ(std::vector<bool>({a.value(), b.value(), c.value()}), std::vector<bool>({false, true, true}))
      << "another container's group is its own";
}

TEST(Forms, DisabledOrHiddenControlsAndContainersIgnoreTheOperator) {
  forms::Frame frame("frame");
  forms::CommandButton button("button");
  forms::TextBox box("box");
  button.place(&frame, 0, 0, 10, 10);
  box.place(&frame, 0, 0, 10, 10);
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  for (forms::Control* off : std::initializer_list<forms::Control*>{&frame, &button})
    for (const bool hidden : {false, true}) {
      hidden ? off->setVisible(false) : off->setEnabled(false);
      button.operatorClick();
      if (off == &frame) box.operatorType("x");
      hidden ? off->setVisible(true) : off->setEnabled(true);
    }
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(box.text(), "");
  button.operatorClick();
  EXPECT_EQ(clicks, 1);
}

// The view starts and stops its clock on what it hears; the event runs only while it should.
TEST(Forms, ATimerRunsOnlyWhileEnabledWithAnIntervalAndTellsTheViewEachChange) {
  PropertyRecorder recorder;
  forms::Timer timer("timer");
  timer.setObserver(&recorder);
  int runs = 0;
  timer.onTimer = [&] { ++runs; };
  timer.elapse();  // no interval yet
  timer.setInterval(250);
  timer.elapse();
  timer.setEnabled(false);
  timer.elapse();
  timer.setEnabled(true);
  timer.setInterval(0);
  timer.elapse();
  EXPECT_EQ(runs, 1);
  using P = forms::Property;
  EXPECT_EQ(recorder.properties, (std::vector<P>{P::Interval, P::Enabled, P::Enabled, P::Interval}));
}

// A view follows the controls: it hears each real change, and a list's tells what it did.
TEST(Forms, TheObserverHearsEveryRealChangeAndWhatAListChangeDid) {
  using Kind = forms::ItemChange::Kind;
  using P = forms::Property;
  struct Recorder : PropertyRecorder {
    std::vector<std::pair<Kind, int>> listChanges;
    void propertyChanged(forms::Control& control, P property) override {
      PropertyRecorder::propertyChanged(control, property);
      if (property != P::Items) return;
      const forms::ItemChange& change = dynamic_cast<forms::ItemList&>(control).lastChange();
      listChanges.emplace_back(change.kind, change.index);
    }
  } recorder;
  forms::ListBox list("list");
  forms::Frame frame("frame");
  list.setObserver(&recorder);
  frame.setObserver(&recorder);
  for (const char* item : {"a", "b", "c"}) list.addItem(item);
  list.removeItem(1);
  list.clear();
  list.clear();  // nothing to clear: no change
  for (int twice = 0; twice < 2; ++twice) {
    frame.setBackColor(0xC0C0FF);
    frame.setWidth(5055);
  }
  EXPECT_EQ(recorder.listChanges, (std::vector<std::pair<Kind, int>>{{Kind::Added, 0}, {Kind::Added, 1}, {Kind::Added, 2},
                                                                      {Kind::Removed, 1}, {Kind::Cleared, 0}}));
  EXPECT_EQ(recorder.properties,
            (std::vector<P>{P::Items, P::Items, P::Items, P::Items, P::Items, P::BackColor, P::Geometry}));
}

}  // namespace
