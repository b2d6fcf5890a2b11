#include "cli/json_output.h"

#include "core/platform/text.h"

namespace marlix {

std::string ValidUtf8(std::string_view text, bool& replaced) {
    replaced = false;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceAt(text, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD";  // U+FFFD
            replaced = true;
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

void PutText(Json& object, std::string_view field, std::string_view text) {
    bool replaced = false;
    object[std::string(field)] = ValidUtf8(text, replaced);
    if (replaced)
        object["invalid_utf8"].push_back(field);
}

void PrintJson(std::ostream& out, const Json& document) {
    out << document.dump(2) << "\n";
}

}  // namespace marlix
