// Feeds arbitrary bytes to the camera.conf reader. Besides not crashing, it holds the reader to
// what marlix-cli relies on: messages safe to print, line numbers inside the file, and a valid
// file meaning exactly the selections that writing them back reproduces.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/export/camera_conf.h"
#include "core/export/camera_conf_reader.h"

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marlix;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CameraConfReading reading = ReadCameraConf(bytes);

    std::size_t lines = 1;
    for (const char c : bytes) lines += c == '\n';
    for (const CameraConfProblem& p : reading.problems) {
        require(p.line <= lines);
        require(!p.message.empty());
        for (const char c : p.message) require(c >= 0x20 && c < 0x7F);
    }
    for (const auto& setting : reading.settings) {
        if (setting)
            require(setting->line >= 1 && setting->line <= lines);
    }
    if (!reading.valid())
        return 0;

    const ProfileSelections selections = reading.selections();
    require(DiffCameraConf(selections, reading).empty());
    const std::string rewritten = BuildCameraConf(selections, reading.clockText.value_or(""));
    const CameraConfReading again = ReadCameraConf(rewritten);
    require(again.valid());
    require(again.selections() == selections);
    require(again.clockText == reading.clockText);
    return 0;
}
