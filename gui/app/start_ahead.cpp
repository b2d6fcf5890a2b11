#include "gui/app/start_ahead.h"

#include "gui/dialog/dialog_font.h"
#include "gui/resources/resources.h"

namespace marlix {

StartAhead::StartAhead() {
    InitMarlixResources();
    // Most screens have a device pixel ratio of 1; on others Finish decodes the double size.
    m_thread = std::thread([this] {
        ReadFontConfiguration();
        m_banner = DecodeBitmap(kIdbBanner, 1.0);
    });
}

void StartAhead::Wait() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void StartAhead::Finish(qreal devicePixelRatio) {
    Wait();
    BitmapResource(kIdbBanner, devicePixelRatio, m_banner);
    m_banner = QImage();
}

}  // namespace marlix
