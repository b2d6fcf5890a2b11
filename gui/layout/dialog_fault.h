// A dialog class or template that binds a setting to a control its template lacks or to the wrong
// kind of control is a programming error: the program ends at once with a message naming
// the template and the control, instead of running with a page that silently does nothing.
#pragma once

namespace marlix {

[[noreturn]] void DialogFault(int templateId, const char* what, int controlId);

}  // namespace marlix
