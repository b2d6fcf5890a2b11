// What a start needs that does not need Qt, done on a thread of its own while Qt starts (loads
// its platform plugin, connects to the display): reading the font configuration, the largest
// single part of a start on Linux desktops, and decoding the main window's banner.
#pragma once

#include <QImage>
#include <thread>

namespace marlix {

class StartAhead {
public:
    StartAhead();  // before the application object
    ~StartAhead() { Wait(); }
    StartAhead(const StartAhead&) = delete;
    StartAhead& operator=(const StartAhead&) = delete;

    // Once the application object exists, before the first font is used: waits for the thread
    // and hands the banner over for a screen of that device pixel ratio.
    void Finish(qreal devicePixelRatio);

private:
    void Wait();

    std::thread m_thread;
    QImage m_banner;
};

}  // namespace marlix
