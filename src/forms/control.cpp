#include "forms/control.h"

namespace forms {

namespace {
void run(const Handler& handler) {
  if (handler) handler();
}
}  // namespace

Control::Control(std::string name, Kind kind) : name_(std::move(name)), kind_(kind) {}

void Control::place(Frame* container, int left, int top, int width, int height) {
  container_ = container;
  if (container) container->children_.push_back(this);
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void Control::setWidth(int width) {
  if (width == width_) return;
  width_ = width;
  notify(Property::Geometry);
}

void Control::setCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  notify(Property::Caption);
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notify(Property::Enabled);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  notify(Property::Visible);
}

bool Control::operable() const {
  for (const Control* c = this; c; c = c->container_)
    if (!c->enabled_ || !c->visible_) return false;
  return true;
}

bool Control::shown() const {
  for (const Control* c = this; c; c = c->container_)
    if (!c->visible_) return false;
  return true;
}

void Control::setBackColor(Color color) {
  if (hasBackColor_ && color == backColor_) return;
  backColor_ = color;
  hasBackColor_ = true;
  notify(Property::BackColor);
}

void Control::setForeColor(Color color) {
  if (hasForeColor_ && color == foreColor_) return;
  foreColor_ = color;
  hasForeColor_ = true;
  notify(Property::ForeColor);
}

void Control::notify(Property property) {
  if (observer_) observer_->propertyChanged(*this, property);
}

void CommandButton::operatorClick() {
  if (operable()) run(onClick);
}

void MenuEntry::operatorClick() {
  if (operable()) run(onClick);
}

void TextBox::setText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  notify(Property::Text);
  run(onChange);
}

void TextBox::setLocked(bool locked) {
  if (locked == locked_) return;
  locked_ = locked;
  notify(Property::Locked);
}

void TextBox::operatorType(const std::string& text) {
  if (operable() && !locked_) setText(text);
}

void TextBox::operatorLeave() {
  if (operable()) run(onLostFocus);
}

void CheckBox::setValue(int value) {
  if (value == value_) return;
  value_ = value;
  notify(Property::Value);
  run(onClick);
}

void CheckBox::operatorClick() {
  if (operable()) setValue(checked() ? 0 : 1);
}

void OptionButton::setValue(bool value) {
  if (value == value_) return;
  if (value && container()) {
    for (Control* sibling : container()->children())
      if (sibling != this && sibling->kind() == Kind::OptionButton)
        static_cast<OptionButton*>(sibling)->setValue(false);
  }
  value_ = value;
  notify(Property::Value);
  if (value) run(onClick);
}

void OptionButton::operatorPress() {
  operatorMouseDown();
  // The MouseDown handler may have disabled or hidden it.
  if (operable()) setValue(true);
}

void OptionButton::operatorMouseDown() {
  if (operable()) run(onMouseDown);
}

void ComboBox::setText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  notify(Property::Text);
  run(onChange);
}

void ItemList::appendItem(const std::string& item) {
  items_.push_back(item);
  lastChange_ = {ItemChange::Kind::Added, listCount() - 1};
}

void ItemList::eraseItem(int index) {
  items_.erase(items_.begin() + index);
  lastChange_ = {ItemChange::Kind::Removed, index};
}

bool ItemList::eraseAll() {
  if (items_.empty()) return false;
  items_.clear();
  lastChange_ = {ItemChange::Kind::Cleared, 0};
  return true;
}

void ComboBox::addItem(const std::string& item) {
  appendItem(item);
  notify(Property::Items);
}

void ComboBox::removeItem(int index) {
  eraseItem(index);
  notify(Property::Items);
}

void ComboBox::clear() {
  if (eraseAll()) notify(Property::Items);
}

void ComboBox::operatorType(const std::string& text) {
  if (operable()) setText(text);
}

void ComboBox::operatorPick(int index) {
  if (!operable() || index < 0 || index >= listCount()) return;
  const std::string& item = list(index);
  if (item != text_) {
    text_ = item;
    notify(Property::Text);
  }
  run(onClick);
}

void ComboBox::operatorLeave() {
  if (operable()) run(onLostFocus);
}

void ListBox::setListIndex(int index) {
  if (index < -1 || index >= listCount()) index = -1;
  if (index == listIndex_) return;
  listIndex_ = index;
  notify(Property::ListIndex);
  run(onClick);
}

std::string ListBox::text() const { return listIndex_ >= 0 ? list(listIndex_) : std::string(); }

void ListBox::addItem(const std::string& item) {
  appendItem(item);
  notify(Property::Items);
}

void ListBox::removeItem(int index) {
  eraseItem(index);
  if (listIndex_ == index)
    listIndex_ = -1;
  else if (listIndex_ > index)
    --listIndex_;
  notify(Property::Items);
}

void ListBox::clear() {
  if (!eraseAll()) return;
  listIndex_ = -1;
  notify(Property::Items);
}

void ListBox::operatorPick(int index) {
  if (operable() && index >= 0 && index < listCount()) setListIndex(index);
}

void ListBox::operatorDoubleClick(int index) {
  if (!operable() || index < 0 || index >= listCount()) return;
  setListIndex(index);
  if (operable()) run(onDblClick);
}

void PictureBox::setPicture(std::shared_ptr<const Picture> picture) {
  picture_ = std::move(picture);
  notify(Property::Picture);
}

void Timer::setInterval(int milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  notify(Property::Interval);
}

void Timer::elapse() {
  if (enabled() && interval_ > 0) run(onTimer);
}

}  // namespace forms
