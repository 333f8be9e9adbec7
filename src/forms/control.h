// The controls of one window with classic form semantics: properties that notify an
// observer, and events that run only under the rules every page relies on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace forms {

// 0x00BBGGRR, as a form designer writes colours (&HFF1111 is blue). Values with the top
// bit set name a system colour by its index in the low byte.
using Color = std::uint32_t;
constexpr Color kSystemColorFlag = 0x80000000u;
constexpr bool isSystemColor(Color c) { return (c & kSystemColorFlag) != 0; }

struct Font {
  std::string face;     // empty: the system's dialog font
  double points = 0;
  bool bold = false;
};

enum class Kind {
  Label, TextBox, CheckBox, ComboBox, ListBox, OptionButton, CommandButton, Frame, PictureBox, Shape, Menu, Timer
};
enum class Align { Left, Center, Right };

enum class Property {
  Caption, Text, Value, Enabled, Visible, BackColor, ForeColor, Geometry, Items, ListIndex, Locked, Picture, Interval
};

class Control;
class Frame;

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void propertyChanged(Control& control, Property property) = 0;
};

using Handler = std::function<void()>;

// A picture loaded by the platform; the native view knows its concrete type.
class Picture {
 public:
  virtual ~Picture() = default;
};

class Control {
 public:
  Control(std::string name, Kind kind);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& name() const { return name_; }
  Kind kind() const { return kind_; }
  Frame* container() const { return container_; }

  // Design-time placement (twips, relative to the container); `container` may be null
  // for the window itself.
  void place(Frame* container, int left, int top, int width, int height);
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setWidth(int width);

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  // Whether the operator can reach it: it and every container enabled and visible.
  bool operable() const;
  bool shown() const;  // it and every container visible

  Color backColor() const { return backColor_; }
  void setBackColor(Color color);
  Color foreColor() const { return foreColor_; }
  void setForeColor(Color color);
  bool hasBackColor() const { return hasBackColor_; }
  bool hasForeColor() const { return hasForeColor_; }

  // Design-time only: the native view reads them when it creates the control.
  Font font;
  Align alignment = Align::Left;
  std::string toolTip;

  void setObserver(ControlObserver* observer) { observer_ = observer; }

 protected:
  void notify(Property property);

 private:
  std::string name_;
  Kind kind_;
  Frame* container_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  Color backColor_ = 0, foreColor_ = 0;
  bool hasBackColor_ = false, hasForeColor_ = false;
  ControlObserver* observer_ = nullptr;
};

class Frame : public Control {
 public:
  explicit Frame(std::string name) : Control(std::move(name), Kind::Frame) {}
  const std::vector<Control*>& children() const { return children_; }

 private:
  friend class Control;
  std::vector<Control*> children_;
};

class Label : public Control {
 public:
  explicit Label(std::string name) : Control(std::move(name), Kind::Label) {}
};

// A plain rectangle drawn round other controls.
class Shape : public Control {
 public:
  explicit Shape(std::string name) : Control(std::move(name), Kind::Shape) {}
};

class CommandButton : public Control {
 public:
  explicit CommandButton(std::string name) : Control(std::move(name), Kind::CommandButton) {}
  Handler onClick;
  void operatorClick();
};

class MenuEntry : public Control {
 public:
  explicit MenuEntry(std::string name) : Control(std::move(name), Kind::Menu) {}
  Handler onClick;
  void operatorClick();
};

class TextBox : public Control {
 public:
  explicit TextBox(std::string name) : Control(std::move(name), Kind::TextBox) {}
  const std::string& text() const { return text_; }
  // Runs Change when the text really changes; a Change handler may set the text again.
  void setText(const std::string& text);
  bool locked() const { return locked_; }
  void setLocked(bool locked);
  bool multiLine = false;
  bool verticalScroll = false;
  bool horizontalScroll = false;

  Handler onChange, onLostFocus;
  void operatorType(const std::string& text);  // the whole new text, as an edit holds it
  void operatorLeave();

 private:
  std::string text_;
  bool locked_ = false;
};

class CheckBox : public Control {
 public:
  explicit CheckBox(std::string name) : Control(std::move(name), Kind::CheckBox) {}
  int value() const { return value_; }
  bool checked() const { return value_ != 0; }
  void setValue(int value);  // runs Click when the value changes
  Handler onClick;
  void operatorClick();

 private:
  int value_ = 0;
};

class OptionButton : public Control {
 public:
  explicit OptionButton(std::string name) : Control(std::move(name), Kind::OptionButton) {}
  bool value() const { return value_; }
  // Selecting deselects the other options of the container and runs Click only when
  // this one was not selected yet.
  void setValue(bool value);
  Handler onClick, onMouseDown;
  void operatorPress();      // the left button: MouseDown on every press, then the selection
  void operatorMouseDown();  // another button: MouseDown only

 private:
  bool value_ = false;
};

// What the last change of a list's items did: each change notifies Items once, so a view
// can follow a list of thousands item by item.
struct ItemChange {
  enum class Kind { Added, Removed, Cleared };
  Kind kind = Kind::Cleared;
  int index = 0;  // of the item added or removed
};

// Items of a combo or list box.
class ItemList {
 public:
  const std::vector<std::string>& items() const { return items_; }
  int listCount() const { return static_cast<int>(items_.size()); }
  const std::string& list(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const ItemChange& lastChange() const { return lastChange_; }

 protected:
  void appendItem(const std::string& item);
  void eraseItem(int index);
  bool eraseAll();  // false when there was nothing to erase

 private:
  std::vector<std::string> items_;
  ItemChange lastChange_;
};

class ComboBox : public Control, public ItemList {
 public:
  explicit ComboBox(std::string name) : Control(std::move(name), Kind::ComboBox) {}
  const std::string& text() const { return text_; }
  void setText(const std::string& text);  // runs Change, never Click
  void addItem(const std::string& item);
  void removeItem(int index);
  void clear();

  Handler onChange, onClick, onLostFocus;
  void operatorType(const std::string& text);
  void operatorPick(int index);  // the item's text without Change, then Click
  void operatorLeave();

 private:
  std::string text_;
};

class ListBox : public Control, public ItemList {
 public:
  explicit ListBox(std::string name) : Control(std::move(name), Kind::ListBox) {}
  int listIndex() const { return listIndex_; }
  void setListIndex(int index);  // runs Click when the selection changes
  std::string text() const;      // the selected item, or empty
  void addItem(const std::string& item);
  void removeItem(int index);
  void clear();

  Handler onClick, onDblClick;
  void operatorPick(int index);
  void operatorDoubleClick(int index);

 private:
  int listIndex_ = -1;
};

class PictureBox : public Control {
 public:
  explicit PictureBox(std::string name) : Control(std::move(name), Kind::PictureBox) {}
  const std::shared_ptr<const Picture>& picture() const { return picture_; }
  void setPicture(std::shared_ptr<const Picture> picture);

 private:
  std::shared_ptr<const Picture> picture_;
};

// Shows nothing: while it is enabled with an interval, its Timer event runs each time that
// many milliseconds have passed. The view's clock calls elapse(); tests call it themselves.
class Timer : public Control {
 public:
  explicit Timer(std::string name) : Control(std::move(name), Kind::Timer) {}
  int interval() const { return interval_; }
  void setInterval(int milliseconds);  // 0 stops it, as disabling it does
  Handler onTimer;
  void elapse();  // runs Timer only while it is enabled with an interval

 private:
  int interval_ = 0;
};

}  // namespace forms
