// A new file gets the line ends that the system's own programs write.
#include "core/platform/ini/ini_document.h"

namespace marlix {

IniDocument::IniDocument() : m_eol(Eol::CrLf) {}

}  // namespace marlix
