#pragma once
// The programs' handlers run inside Qt's event delivery, which must never see an exception. Every
// place where Qt calls into them (the controls' event functions, signal connections, event
// overrides and filters) runs the handler through HandleEvent: an error it raises ends there, in
// the application's error box, and Qt's delivery goes on undisturbed.
#include <QObject>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace platform {

// Runs the handler and reports an error it raises; false when it raised one.
bool HandleEvent(const std::function<void()>& handler) noexcept;

namespace guard_detail {

template <class Slot, class Tuple, size_t... I>
constexpr bool TakesLeading(std::index_sequence<I...>) {
  return std::is_invocable_v<Slot&, std::tuple_element_t<I, Tuple>...>;
}

// Calls the slot with the longest leading part of the signal's arguments that it takes, as Qt does.
template <size_t N, class Slot, class Tuple>
void CallLeading(Slot& slot, Tuple& arguments) {
  if constexpr (TakesLeading<Slot, Tuple>(std::make_index_sequence<N>{})) {
    [&]<size_t... I>(std::index_sequence<I...>) { std::invoke(slot, std::get<I>(arguments)...); }(
        std::make_index_sequence<N>{});
  } else {
    static_assert(N > 0, "the slot takes no leading part of the signal's arguments");
    if constexpr (N > 0) CallLeading<N - 1>(slot, arguments);
  }
}

}  // namespace guard_detail

// QObject::connect with the slot run through HandleEvent.
template <class Sender, class Signal, class Slot>
QMetaObject::Connection Connect(const Sender* sender, Signal signal, const QObject* context, Slot slot,
                                Qt::ConnectionType type = Qt::AutoConnection) {
  return QObject::connect(
      sender, signal, context,
      [slot = std::move(slot)](auto&&... arguments) mutable {
        auto all = std::forward_as_tuple(arguments...);
        HandleEvent([&] { guard_detail::CallLeading<sizeof...(arguments)>(slot, all); });
      },
      type);
}

}  // namespace platform
