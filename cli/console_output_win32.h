// marlix-cli's output on Windows. The commands write UTF-8; a console shows it only when it is
// handed over as UTF-16 (WriteConsoleW), whatever code page the console uses, while a pipe or a
// file gets the UTF-8 bytes as they are, with "\n" line ends as on every other system.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace marlix {

class ConsoleOutputBuffer final : public std::streambuf {
public:
    // standardHandle: STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
    explicit ConsoleOutputBuffer(unsigned long standardHandle);
    ~ConsoleOutputBuffer() override;
    ConsoleOutputBuffer(const ConsoleOutputBuffer&) = delete;
    ConsoleOutputBuffer& operator=(const ConsoleOutputBuffer&) = delete;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

public:
    // Why the last write failed; empty while none has.
    const std::string& failure() const { return m_failure; }

private:
    bool flushPending(bool final);

    void* m_handle;
    bool m_console = false;
    std::string m_pending;
    std::string m_failure;
};

// An ostream over one of the standard handles.
class ConsoleOutput {
public:
    explicit ConsoleOutput(unsigned long standardHandle)
        : m_buffer(standardHandle), m_stream(&m_buffer) {}
    std::ostream& stream() { return m_stream; }
    const std::string& failure() const { return m_buffer.failure(); }

private:
    ConsoleOutputBuffer m_buffer;
    std::ostream m_stream;
};

}  // namespace marlix
