// The core's UTF-8 text as Qt's, for the main window's files.
#pragma once

#include <QString>
#include <string>

namespace marlix {

inline QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace marlix
