// One event of a control, handled by a method of the form. The form connects the
// method in its constructor or Form_Load, in whichever shape reads best:
//
//   cmdSave.Click = [this] { cmdSave_Click(); };
//   optMode.Handle(&OptionButton::Click, [this](int index) { optMode_Click(index); });
//   lst.ColumnClick = [this](int column) { lst_ColumnClick(column); };
//   txt.Change = [this](Control& sender) { Validate(sender); };
//
// A handler taking an int before the event's own arguments receives the control's
// index in its array (-1 for a control outside an array).
#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace quorvane {

class Control;

int ControlIndexOf(const Control& control);

template <typename... Args>
class Event {
 public:
  using Handler = std::function<void(Control& sender, Args... args)>;

  Event() = default;
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  template <typename F>
  Event& operator=(F handler) {
    if constexpr (std::is_same_v<F, std::nullptr_t>) {
      handler_ = nullptr;
    } else if constexpr (std::is_invocable_v<F&, Control&, Args...>) {
      handler_ = std::move(handler);
    } else if constexpr (std::is_invocable_v<F&, int, Args...>) {
      handler_ = [handler = std::move(handler)](Control& sender, Args... args) mutable {
        handler(ControlIndexOf(sender), args...);
      };
    } else {
      static_assert(std::is_invocable_v<F&, Args...>, "a handler takes (Control&, args), (int index, args) or (args)");
      handler_ = [handler = std::move(handler)](Control&, Args... args) mutable { handler(args...); };
    }
    return *this;
  }

  explicit operator bool() const { return static_cast<bool>(handler_); }

  // Runs the handler, if any. A copy runs, so a handler may replace itself.
  void Raise(Control& sender, Args... args) const {
    if (!handler_) return;
    Handler running = handler_;
    running(sender, args...);
  }

 private:
  Handler handler_;
};

}  // namespace quorvane
