#pragma once

#include "platform/Types.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

// Event types, as the form descriptions bind them to published handlers.
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift,
                                       int32_t X, int32_t Y)>;
using TMouseMoveEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int32_t X, int32_t Y)>;

// A published handler found by name, bound to its object.
using TMethod = std::variant<std::monostate, TNotifyEvent, TKeyEvent, TMouseEvent, TMouseMoveEvent>;

// One row of a class's table of published handlers.
template <class T> struct TPublished {
    TPublished(const char* n, void (T::*m)(TObject*)) : name(n), method(m) {}
    TPublished(const char* n, void (T::*m)(TObject*, uint16_t&, TShiftState))
        : name(n), method(m) {}
    TPublished(const char* n, void (T::*m)(TObject*, TMouseButton, TShiftState, int32_t, int32_t))
        : name(n), method(m) {}
    TPublished(const char* n, void (T::*m)(TObject*, TShiftState, int32_t, int32_t))
        : name(n), method(m) {}

    const char* name;
    std::variant<void (T::*)(TObject*), void (T::*)(TObject*, uint16_t&, TShiftState),
                 void (T::*)(TObject*, TMouseButton, TShiftState, int32_t, int32_t),
                 void (T::*)(TObject*, TShiftState, int32_t, int32_t)>
        method;
};

// Looks name up in a class's table and binds the handler to self; an unknown name gives monostate.
template <class T>
TMethod FindPublished(T* self, std::string_view name, std::initializer_list<TPublished<T>> table) {
    for (const auto& row : table) {
        if (name != row.name) {
            continue;
        }
        using N = void (T::*)(TObject*);
        using K = void (T::*)(TObject*, uint16_t&, TShiftState);
        using M = void (T::*)(TObject*, TMouseButton, TShiftState, int32_t, int32_t);
        using V = void (T::*)(TObject*, TShiftState, int32_t, int32_t);
        if (auto m = std::get_if<N>(&row.method)) {
            return TNotifyEvent([self, m = *m](TObject* s) { (self->*m)(s); });
        }
        if (auto m = std::get_if<K>(&row.method)) {
            return TKeyEvent(
                [self, m = *m](TObject* s, uint16_t& k, TShiftState sh) { (self->*m)(s, k, sh); });
        }
        if (auto m = std::get_if<M>(&row.method)) {
            return TMouseEvent([self, m = *m](TObject* s, TMouseButton b, TShiftState sh, int32_t x,
                                              int32_t y) { (self->*m)(s, b, sh, x, y); });
        }
        auto v = std::get<V>(row.method);
        return TMouseMoveEvent([self, v](TObject* s, TShiftState sh, int32_t x, int32_t y) {
            (self->*v)(s, sh, x, y);
        });
    }
    return std::monostate{};
}

// Something a form owns by name: a timer or a control.
class TComponent : public TObject {
public:
    std::string Name;
};
