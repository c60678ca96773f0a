#pragma once

#include <utility>

// Stores value into field when they differ and tells whether it did.
// Every "compare, store and repaint" setter goes through this, so the
// repaint request is made only for effective changes:
//
//     if (AssignIfChanged(width_, v)) Changed();
template <typename T, typename U>
bool AssignIfChanged(T& field, U&& value)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}
