#include "cli/suggestions.h"

#include <algorithm>
#include <vector>

namespace marlix {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Edits between the two texts: insertions, deletions, substitutions and swaps of neighbours.
std::size_t editDistance(std::string_view a, std::string_view b) {
    const std::size_t columns = b.size() + 1;
    std::vector<std::size_t> d((a.size() + 1) * columns);
    const auto at = [&](std::size_t i, std::size_t j) -> std::size_t& {
        return d[i * columns + j];
    };
    for (std::size_t i = 0; i <= a.size(); ++i) at(i, 0) = i;
    for (std::size_t j = 0; j <= b.size(); ++j) at(0, j) = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
            if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) &&
                lower(a[i - 2]) == lower(b[j - 1])) {
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
            }
        }
    }
    return at(a.size(), b.size());
}

}  // namespace

std::string_view ClosestCandidate(std::string_view typed,
                                  std::span<const std::string_view> candidates) {
    // Beyond a third of the word (and at least one edit) a match is more likely chance than a
    // typo; the bound also keeps the cost down when a whole file is pasted as an argument.
    const std::size_t allowed = std::max<std::size_t>(1, typed.size() / 3);
    std::string_view best;
    std::size_t bestDistance = allowed + 1;
    bool tied = false;
    for (const std::string_view candidate : candidates) {
        if (candidate.size() > typed.size() + allowed || typed.size() > candidate.size() + allowed)
            continue;
        const std::size_t distance = editDistance(typed, candidate);
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
            tied = false;
        } else if (distance == bestDistance) {
            tied = true;
        }
    }
    return tied ? std::string_view() : best;
}

std::string DidYouMean(std::string_view typed, std::span<const std::string_view> candidates) {
    const std::string_view closest = ClosestCandidate(typed, candidates);
    if (closest.empty())
        return "";
    return " (did you mean \"" + std::string(closest) + "\"?)";
}

}  // namespace marlix
