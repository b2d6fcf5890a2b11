// The list box, the list view and the tab control report the user's changes only. The program
// makes its own changes inside a QuietScope, and the widgets stay silent while one is open.
#pragma once

namespace marlix {

class QuietScope {
public:
    explicit QuietScope(int& counter) : m_counter(counter) { ++m_counter; }
    ~QuietScope() { --m_counter; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

private:
    int& m_counter;
};

}  // namespace marlix
