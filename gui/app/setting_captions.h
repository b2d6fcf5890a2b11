// A difference between the card's camera.conf and the pages, worded as the pages show it: the
// tab, the setting's heading (or its check box) and the options' button captions or slider
// texts, rather than camera.conf's keys and values.
#pragma once

#include <QString>

#include "core/export/camera_conf_reader.h"

namespace marlix {

class PagesHost;

// "Video Setting, Video Quality: Fine on the card, SFine on the pages". A key no page shows, or
// a text no control stands for, is given as the file has it.
QString DifferenceText(const PagesHost& pages, const CameraConfDifference& difference);

}  // namespace marlix
