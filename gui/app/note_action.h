// An action offered in the note under the device list: a link after the note's text ("Eject",
// "Load", "Undo"), reachable with Tab like any button.
#pragma once

#include <QString>
#include <functional>

namespace marlix {

struct NoteAction {
    QString caption;         // the link's text, a word or two: "Show", "Load", "Eject"
    QString accessibleName;  // what it does to what: "Show differences of the card /media/x"
    std::function<void()> run;
    QString toolTip = {};  // empty: the accessible name
};

}  // namespace marlix
