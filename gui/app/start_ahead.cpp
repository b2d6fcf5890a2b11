#include "gui/app/start_ahead.h"

#include <QGuiApplication>

#include "gui/layout/dialog_font.h"
#include "gui/resources/resources.h"

namespace marlix {

StartAhead::StartAhead() {
    m_thread = std::thread([] {
        // Only on a processor that Qt's start and the display server leave idle: competing with
        // them, this made their start slower by about as much as it saved. Finish raises it
        // again should the program have to wait for it.
        RunOnlyWhenIdle();
        ReadFontConfiguration();
    });
}

void StartAhead::Wait() {
    if (m_thread.joinable()) {
        // On a busy machine an idle thread may not run at all.
        RunNormally(m_thread);
        m_thread.join();
    }
}

void StartAhead::Finish(qreal devicePixelRatio) {
    // Not on the thread: Qt's image reader finds its plugins through the application object,
    // which is being made meanwhile.
    BitmapResource(kIdbBanner, devicePixelRatio,
                   WantsDarkGroundPictures(QGuiApplication::palette()));
    Wait();
}

}  // namespace marlix
