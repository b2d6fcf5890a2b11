#include "core/pages/page_logic.h"

#include <array>
#include <string_view>

namespace marlix {

namespace {

template <std::size_t N>
std::string TextAt(const std::array<std::string_view, N>& texts, int position) {
    if (position < 0 || position >= static_cast<int>(N)) {
        return {};
    }
    return std::string(texts[static_cast<std::size_t>(position)]);
}

}  // namespace

std::string MicVolumeText(int position) {
    static constexpr std::array<std::string_view, 7> kTexts = {"Mute", "50%", "60%", "70%",
                                                               "80%",  "90%", "100%"};
    return TextAt(kTexts, position);
}

std::string EvText(int position) {
    static constexpr std::array<std::string_view, 13> kTexts = {
        "-2.0", "-1.7", "-1.3", "-1.0", "-0.7", "-0.3", "0",
        "+0.3", "+0.7", "+1.0", "+1.3", "+1.7", "+2.0"};
    return TextAt(kTexts, position);
}

std::string SharpnessText(int position) {
    if (position < 0 || position > 4) {
        return {};
    }
    return std::to_string(position + 1);
}

GroupState ApplyBurstClick(PhotoFields& fields) {
    if (fields.m_photoBurst != 0) {
        fields.m_photoInterlock |= kInterlockBurst;
        fields.m_photoInterlock &= static_cast<std::uint8_t>(~kInterlockAutoShoot);
        return GroupState::Disabled;
    }
    fields.m_photoInterlock &= static_cast<std::uint8_t>(~kInterlockAutoShoot);
    return GroupState::Enabled;
}

GroupState ApplyAutoShootClick(PhotoFields& fields) {
    if (fields.m_autoShoot != 0) {
        fields.m_photoInterlock |= kInterlockAutoShoot;
        fields.m_photoInterlock &= static_cast<std::uint8_t>(~kInterlockBurst);
        return GroupState::Disabled;
    }
    fields.m_photoInterlock &= static_cast<std::uint8_t>(~kInterlockBurst);
    return GroupState::Enabled;
}

int AutoShootForExport(const PhotoFields& fields) {
    const bool burstWins =
        (fields.m_photoInterlock & kInterlockBurst) != 0 && fields.m_photoBurst != 0;
    return burstWins ? 0 : fields.m_autoShoot;
}

int PhotoBurstForExport(const PhotoFields& fields) {
    // Tested against the field itself, not against what auto_shoot was written as.
    const bool autoShootWins =
        (fields.m_photoInterlock & kInterlockAutoShoot) != 0 && fields.m_autoShoot != 0;
    return autoShootWins ? 0 : fields.m_photoBurst;
}

}  // namespace marlix
