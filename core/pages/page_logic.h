// What the settings pages decide without any widget: the texts of the labels beside the sliders
// and the interlock between burst shooting and auto shoot on the Photo page.
#pragma once

#include <string>

#include "core/pages/page_fields.h"

namespace marlix {

// Label of the microphone volume slider: "Mute", "50%" ... "100%"; empty outside 0..6.
std::string MicVolumeText(int position);
// Label of the EV slider: "-2.0" ... "-0.3", "0", "+0.3" ... "+2.0"; empty outside 0..12. The
// middle shows "0" although the option stored for it is "0.0".
std::string EvText(int position);
// Label of the sharpness slider: the position plus one ("1" ... "5"); empty outside 0..4.
std::string SharpnessText(int position);

enum class GroupState { Enabled, Disabled };

// The user clicked a burst button; fields hold what the page shows. Records in m_photoInterlock
// that a burst count was chosen last (or, for "OFF", that auto shoot no longer was) and says how
// the eight auto-shoot buttons are to be left.
GroupState ApplyBurstClick(PhotoFields& fields);
// The user clicked an auto-shoot button: the same the other way round, for the five burst
// buttons.
GroupState ApplyAutoShootClick(PhotoFields& fields);

// The auto_shoot and photo_burst options that camera.conf receives: a setting loses (is written
// as option 0, "off") when the other one was switched on last and is on.
int AutoShootForExport(const PhotoFields& fields);
int PhotoBurstForExport(const PhotoFields& fields);

}  // namespace marlix
