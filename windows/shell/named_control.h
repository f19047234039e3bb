#pragma once

#include <QString>
#include <utility>

namespace orvex {

// A new control carrying `name` as its object name, by which the tests and the caption table
// find it.
template <typename Control, typename... Args> Control* named(const char* name, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)...);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace orvex
