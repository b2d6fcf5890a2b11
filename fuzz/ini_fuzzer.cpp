// Feeds arbitrary bytes to the INI layer, then edits the document with names and values taken
// from the same input. The layer promises that untouched files come back byte for byte and that
// what it accepts reads back as written, also after a save and a fresh parse.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/platform/ini/ini_document.h"
#include "core/platform/text.h"

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool isBlankOrQuote(char c) {
    return c == ' ' || c == '\t' || c == '"' || c == '\'';
}

// GetValue hands back exactly what SetValue stored when nothing of it is trimmed or cut.
bool readsBackVerbatim(const std::string& value) {
    if (!value.empty() && (isBlankOrQuote(value.front()) || isBlankOrQuote(value.back())))
        return false;
    return marlix::Utf16Length(value) <= 255;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using marlix::IniDocument;
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(24);
    const std::string key = input.ConsumeRandomLengthString(24);
    const std::string value = input.ConsumeRandomLengthString(300);
    const int edit = input.ConsumeIntegralInRange(0, 2);
    const std::string file = input.ConsumeRemainingBytesAsString();

    IniDocument doc = IniDocument::Parse(file);
    require(doc.Serialize() == file);
    require(!doc.modified());
    for (const std::string& name : doc.SectionNames()) require(doc.HasSection(name));
    (void)doc.GetValue(section, key);

    if (edit == 0) {
        const auto before = doc.GetValue(section, key);
        if (doc.SetValue(section, key, value).ok()) {
            const auto got = doc.GetValue(section, key);
            require(got.has_value());
            if (readsBackVerbatim(value) && marlix::IsValidUtf8(value))
                require(*got == value);
            const IniDocument again = IniDocument::Parse(doc.Serialize());
            require(again.GetValue(section, key) == got);
        } else {
            require(doc.GetValue(section, key) == before);
            require(doc.Serialize() == file);
        }
    } else if (edit == 1) {
        const bool had = doc.HasSection(section);
        require((doc.RemoveSection(section) > 0) == had);
        require(!doc.HasSection(section));
        require(!IniDocument::Parse(doc.Serialize()).HasSection(section));
    }
    return 0;
}
