// The description, the rules and the model keep their texts as UTF-8; Qt
// shows them as QString.
#pragma once

#include <QString>

#include <string_view>

namespace lodarix {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace lodarix
