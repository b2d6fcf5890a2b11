// "Did you mean ...?" for a mistyped command, option, key or option text.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace marlix {

// The candidate closest to what was typed (letters compared without regard to case, a swap of
// two neighbours counting as one edit), when it is close enough to be the likely intent and no
// other candidate is as close; empty otherwise.
std::string_view ClosestCandidate(std::string_view typed,
                                  std::span<const std::string_view> candidates);

// " (did you mean \"candidate\"?)" for the closest candidate, or "" when there is none.
std::string DidYouMean(std::string_view typed, std::span<const std::string_view> candidates);

}  // namespace marlix
