#pragma once

#include <utility>

// Stores value into field when they differ and tells whether it did.
template <typename T, typename U>
bool AssignIfChanged(T& field, U&& value)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}

// The setter rule of every chart object, written once: compare, store and,
// only for an effective change, tell the owner through its Changed() (which
// asks for a repaint or passes the news up). An object derives from
// TPropertyOwner<itself>, befriends it when Changed() is private, and writes
//
//     void SetWidth(int v) { SetProperty(width_, v); }
template <typename Owner>
class TPropertyOwner
{
protected:
    // True when the value was new.
    template <typename T, typename U>
    bool SetProperty(T& field, U&& value)
    {
        if (!AssignIfChanged(field, std::forward<U>(value)))
            return false;
        static_cast<Owner*>(this)->Changed();
        return true;
    }
};
