// marlix-cli's --json: one JSON document on standard output, texts as UTF-8.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>

namespace marlix {

// Members keep the order they are added in, which is the order of the plain output.
using Json = nlohmann::ordered_json;

// The text with every byte that is part of no well-formed UTF-8 character replaced by U+FFFD;
// `replaced` tells whether any was.
std::string ValidUtf8(std::string_view text, bool& replaced);

// object[field] = text as UTF-8. A text that was not (a label or a name as a card or a
// hand-edited file holds it) gets U+FFFD for its stray bytes, and the field is named in the
// object's "invalid_utf8" list, so that a script can tell it from a text that holds U+FFFD.
void PutText(Json& object, std::string_view field, std::string_view text);

// The document, indented, and a line break.
void PrintJson(std::ostream& out, const Json& document);

}  // namespace marlix
