#pragma once
// Events are object-bound callables; an empty one means "unassigned".

#include <functional>

class TObject;

using TNotifyEvent = std::function<void(TObject* sender)>;

// Binds a member function to its object, the way a handler is assigned.
template <class C, class... A>
std::function<void(A...)> Bind(C* object, void (C::*method)(A...)) {
    return [object, method](A... args) { (object->*method)(std::forward<A>(args)...); };
}
template <class C, class R, class... A>
std::function<R(A...)> BindR(C* object, R (C::*method)(A...)) {
    return [object, method](A... args) -> R { return (object->*method)(std::forward<A>(args)...); };
}
