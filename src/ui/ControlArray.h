// Controls that share one name and differ by index, like optMode(0..7). Elements
// are added by index, in any order and with gaps; an element added after the
// form loaded gets its window at once.
//
//   ControlArray<OptionButton> optMode{"optMode"};
//   optMode.Add(0, frameModes, TwipsRect{120, 240, 1800, 255}, "Automatic-A");
//   optMode.Handle(&OptionButton::Click, [this](int index) { optMode_Click(index); });
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ui/Control.h"
#include "ui/Form.h"

namespace quorvane {

template <typename T>
class ControlArray {
 public:
  explicit ControlArray(std::string name) : name_(std::move(name)) {}
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  const std::string& Name() const { return name_; }

  // Makes element `index` in the container; the remaining arguments follow the
  // element type's constructor after its name. An index in use is an error.
  template <typename ContainerT, typename... Args>
  T& Add(int index, ContainerT& container, Args&&... args) {
    if (index < 0 || elements_.count(index)) throw std::invalid_argument(name_ + ": index taken or negative");
    auto element = std::make_unique<T>(container, ControlName{name_, index}, std::forward<Args>(args)...);
    T& added = *element;
    elements_.emplace(index, std::move(element));
    for (auto& bind : bindings_) bind(added);
    added.OwnerForm().LoadControl(added);
    return added;
  }

  // Removes an element and its window.
  void Remove(int index) { elements_.erase(index); }

  // The element; an index without an element is an error.
  T& operator()(int index) const {
    auto found = elements_.find(index);
    if (found == elements_.end()) throw std::out_of_range(name_ + "(" + std::to_string(index) + ") does not exist");
    return *found->second;
  }
  T* Find(int index) const {
    auto found = elements_.find(index);
    return found == elements_.end() ? nullptr : found->second.get();
  }
  bool Contains(int index) const { return elements_.count(index) != 0; }
  int Count() const { return static_cast<int>(elements_.size()); }
  int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }

  // Connects one handler to an event of every element, present and future:
  // Handle(&OptionButton::Click, [this](int index) { ... }).
  template <typename EventMember, typename Handler>
  void Handle(EventMember event, Handler handler) {
    auto bind = [event, handler](T& element) { (element.*event) = handler; };
    for (auto& [index, element] : elements_) bind(*element);
    bindings_.push_back(std::move(bind));
  }

  // Visits the elements in index order.
  template <typename Visitor>
  void ForEach(Visitor visit) const {
    for (auto& [index, element] : elements_) visit(*element);
  }

 private:
  std::string name_;
  std::map<int, std::unique_ptr<T>> elements_;
  std::vector<std::function<void(T&)>> bindings_;
};

}  // namespace quorvane
