// Reading the font configuration, the largest single part of a start on Linux desktops, done on
// a thread of its own while Qt starts (loads its platform plugin, connects to the display).
#pragma once

#include <QtGlobal>
#include <thread>

namespace marlix {

class StartAhead {
public:
    StartAhead();  // before the application object
    ~StartAhead() { Wait(); }
    StartAhead(const StartAhead&) = delete;
    StartAhead& operator=(const StartAhead&) = delete;

    // Once the application object exists, before the first font is used: makes the main
    // window's banner for a screen of that device pixel ratio meanwhile, then waits for the
    // thread.
    void Finish(qreal devicePixelRatio);

private:
    void Wait();
    // The thread's priority where the system can make it run only on an idle processor (Linux,
    // start_ahead_linux.cpp); elsewhere these do nothing. The first is called on the thread.
    static void RunOnlyWhenIdle();
    static void RunNormally(std::thread& thread);

    std::thread m_thread;
};

}  // namespace marlix
