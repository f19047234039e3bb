#pragma once

#include <QString>
#include <string_view>

namespace orvex {

// A Windows-1252 text of the model as the interface shows it.
QString modelText(std::string_view cp1252);

} // namespace orvex
