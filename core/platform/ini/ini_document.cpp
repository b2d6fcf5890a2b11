#include "core/platform/ini/ini_document.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/platform/text.h"

namespace marlix {

namespace {

// Values returned to callers are at most this many UTF-16 code units, as the Windows functions
// return them into a buffer of 256 units.
constexpr std::size_t kMaxValueUnits = 255;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view trimBlanks(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool isBlankLine(std::string_view text) {
    return trimBlanks(text).empty();
}

// "[name]" with blanks allowed around it and inside the brackets; the name runs to the last "]".
std::optional<std::string_view> parseHeader(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i == text.size() || text[i] != '[')
        return std::nullopt;
    const std::size_t close = text.rfind(']');
    if (close == std::string_view::npos || close <= i)
        return std::nullopt;
    return trimBlanks(text.substr(i + 1, close - i - 1));
}

struct KeyLine {
    std::string_view key;
    std::size_t equals;      // position of the "="
    std::size_t valueBegin;  // first position after the "=" and the blanks that follow it
};

// Comments (";"), headers and lines without "=" hold no key.
std::optional<KeyLine> parseKeyLine(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i == text.size() || text[i] == ';' || text[i] == '[')
        return std::nullopt;
    const std::size_t equals = text.find('=', i);
    if (equals == std::string_view::npos)
        return std::nullopt;
    std::size_t valueBegin = equals + 1;
    while (valueBegin < text.size() && isBlank(text[valueBegin])) ++valueBegin;
    return KeyLine{trimBlanks(text.substr(i, equals - i)), equals, valueBegin};
}

std::string_view cleanValue(std::string_view afterEquals) {
    std::string_view v = trimBlanks(afterEquals);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return v;
}

std::string_view eolText(std::uint8_t eol) {
    static constexpr std::string_view texts[] = {"", "\n", "\r\n", "\r"};
    return texts[eol];
}

}  // namespace

bool IniNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    }
    return true;
}

std::string IniNameKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) c = foldAscii(c);
    return key;
}

IniDocument::IniDocument()
#ifdef _WIN32
    : m_eol(Eol::CrLf)
#else
    : m_eol(Eol::Lf)
#endif
{
}

IniDocument IniDocument::Parse(std::string fileBytes) {
    IniDocument doc;
    doc.m_raw = std::move(fileBytes);
    const std::string_view raw = doc.m_raw;

    std::size_t start = 0;
    if (raw.starts_with("\xEF\xBB\xBF")) {
        start = 3;
        doc.m_units = IsValidUtf8(raw.substr(start)) ? Units::Utf8 : Units::Latin1;
    } else if (raw.starts_with("\xFF\xFE")) {
        start = 2;
        doc.m_units = Units::Utf16Le;
    } else if (raw.starts_with("\xFE\xFF")) {
        start = 2;
        doc.m_units = Units::Utf16Be;
    } else {
        doc.m_units = IsValidUtf8(raw) ? Units::Utf8 : Units::Latin1;
    }
    doc.m_bom = std::string(raw.substr(0, start));
    std::size_t end = raw.size();
    const bool wide = doc.m_units == Units::Utf16Le || doc.m_units == Units::Utf16Be;
    if (wide && (end - start) % 2 != 0) {
        doc.m_trailer = std::string(raw.substr(end - 1));
        --end;
    }

    bool eolSeen = false;
    Block current;
    current.rawBegin = start;
    doc.scanRawLines(start, end, [&](std::size_t begin, std::size_t contentEnd, Eol eol) {
        if (!eolSeen && eol != Eol::None) {
            doc.m_eol = eol;
            eolSeen = true;
        }
        if (!doc.rawLineStartsWithBracket(begin, contentEnd))
            return true;
        const std::string text = doc.decode(raw.substr(begin, contentEnd - begin));
        const auto name = parseHeader(text);
        if (!name)
            return true;
        current.rawEnd = begin;
        if (current.isSection || current.rawEnd > current.rawBegin) {
            doc.m_blocks.push_back(std::move(current));
        }
        current = Block();
        current.isSection = true;
        current.name = std::string(*name);
        current.rawBegin = begin;
        return true;
    });
    current.rawEnd = end;
    if (current.isSection || current.rawEnd > current.rawBegin) {
        doc.m_blocks.push_back(std::move(current));
    }
    return doc;
}

// Calls onLine(begin, contentEnd, eol) for each line in m_raw[begin, end); offsets are byte
// offsets into m_raw, the line end is not part of the content. onLine returns false to stop.
template <typename F>
void IniDocument::scanRawLines(std::size_t begin, std::size_t end, F&& onLine) const {
    const char* const base = m_raw.data();
    if (m_units == Units::Utf8 || m_units == Units::Latin1) {
        // Two memchr cursors: CR is rare, so the CR search usually runs once and finds nothing.
        const char* p = base + begin;
        const char* const e = base + end;
        const char* nextLf = static_cast<const char*>(std::memchr(p, '\n', e - p));
        const char* nextCr = static_cast<const char*>(std::memchr(p, '\r', e - p));
        while (p < e) {
            if (nextLf && nextLf < p)
                nextLf = static_cast<const char*>(std::memchr(p, '\n', e - p));
            if (nextCr && nextCr < p)
                nextCr = static_cast<const char*>(std::memchr(p, '\r', e - p));
            const char* stop = nextLf;
            if (nextCr && (!stop || nextCr < stop))
                stop = nextCr;
            if (!stop) {
                onLine(p - base, end, Eol::None);
                return;
            }
            Eol eol = Eol::Lf;
            const char* next = stop + 1;
            if (*stop == '\r') {
                if (next < e && *next == '\n') {
                    eol = Eol::CrLf;
                    ++next;
                } else {
                    eol = Eol::Cr;
                }
            }
            if (!onLine(p - base, stop - base, eol))
                return;
            p = next;
        }
        return;
    }
    const bool le = m_units == Units::Utf16Le;
    auto unit = [&](std::size_t i) -> unsigned {
        const auto a = static_cast<unsigned char>(base[i]);
        const auto b = static_cast<unsigned char>(base[i + 1]);
        return le ? (a | (b << 8)) : ((a << 8) | b);
    };
    std::size_t lineBegin = begin;
    for (std::size_t i = begin; i < end; i += 2) {
        const unsigned u = unit(i);
        if (u != '\n' && u != '\r')
            continue;
        Eol eol = Eol::Lf;
        std::size_t next = i + 2;
        if (u == '\r') {
            if (next < end && unit(next) == '\n') {
                eol = Eol::CrLf;
                next += 2;
            } else {
                eol = Eol::Cr;
            }
        }
        if (!onLine(lineBegin, i, eol))
            return;
        lineBegin = next;
        i = next - 2;
    }
    if (lineBegin < end)
        onLine(lineBegin, end, Eol::None);
}

bool IniDocument::rawLineStartsWithBracket(std::size_t begin, std::size_t end) const {
    if (m_units == Units::Utf8 || m_units == Units::Latin1) {
        while (begin < end && isBlank(m_raw[begin])) ++begin;
        return begin < end && m_raw[begin] == '[';
    }
    const std::size_t low = m_units == Units::Utf16Le ? 0 : 1;
    for (; begin + 1 < end; begin += 2) {
        if (m_raw[begin + 1 - low] != '\0')
            return false;  // high byte of a non-ASCII unit
        const char c = m_raw[begin + low];
        if (isBlank(c))
            continue;
        return c == '[';
    }
    return false;
}

std::string IniDocument::decode(std::string_view bytes) const {
    switch (m_units) {
        case Units::Utf8:
            return std::string(bytes);
        case Units::Latin1:
            return Latin1ToUtf8(bytes);
        case Units::Utf16Le:
            return Utf16LeToUtf8(bytes);
        case Units::Utf16Be:
            return Utf16BeToUtf8(bytes);
    }
    return std::string(bytes);
}

void IniDocument::encodeAppend(std::string& out, std::string_view utf8) const {
    switch (m_units) {
        case Units::Utf8:
            out += utf8;
            return;
        case Units::Latin1:
            out += Utf8ToLatin1(utf8);
            return;
        case Units::Utf16Le:
            out += Utf8ToUtf16Le(utf8);
            return;
        case Units::Utf16Be:
            out += Utf8ToUtf16Be(utf8);
            return;
    }
}

void IniDocument::appendEol(std::string& out, Eol eol) const {
    encodeAppend(out, eolText(static_cast<std::uint8_t>(eol)));
}

// Calls onText(text) for each line of the block, the header included; false stops.
template <typename F>
void IniDocument::forEachLineText(const Block& block, F&& onText) const {
    if (block.materialized) {
        for (const Line& line : block.lines) {
            if (!onText(std::string_view(line.text)))
                return;
        }
        return;
    }
    std::string decoded;
    scanRawLines(block.rawBegin, block.rawEnd, [&](std::size_t b, std::size_t e, Eol) {
        const std::string_view bytes = std::string_view(m_raw).substr(b, e - b);
        if (m_units == Units::Utf8)
            return onText(bytes);
        decoded = decode(bytes);
        return onText(std::string_view(decoded));
    });
}

std::string IniDocument::Serialize() const {
    std::string out;
    out.reserve(m_raw.size() + 1024);
    out += m_bom;
    // Untouched neighbouring blocks are contiguous in m_raw: copy them in one run.
    std::size_t runBegin = 0, runEnd = 0;
    auto flush = [&] {
        out.append(m_raw, runBegin, runEnd - runBegin);
        runBegin = runEnd = 0;
    };
    for (const Block& block : m_blocks) {
        if (!block.materialized) {
            if (runEnd != runBegin && runEnd == block.rawBegin) {
                runEnd = block.rawEnd;
            } else {
                flush();
                runBegin = block.rawBegin;
                runEnd = block.rawEnd;
            }
            continue;
        }
        flush();
        for (const Line& line : block.lines) {
            if (line.changed) {
                encodeAppend(out, line.text);
            } else {
                out += line.raw;
            }
            appendEol(out, line.eol);
        }
    }
    flush();
    out += m_trailer;
    return out;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(m_blocks.size());
    for (const Block& block : m_blocks) {
        if (block.isSection)
            names.push_back(block.name);
    }
    return names;
}

std::size_t IniDocument::findSection(std::string_view name) const {
    if (m_lastFound < m_blocks.size() && m_blocks[m_lastFound].isSection &&
        IniNamesEqual(m_blocks[m_lastFound].name, name)) {
        return m_lastFound;
    }
    for (std::size_t i = 0; i < m_blocks.size(); ++i) {
        if (m_blocks[i].isSection && IniNamesEqual(m_blocks[i].name, name)) {
            m_lastFound = i;
            return i;
        }
    }
    return npos;
}

bool IniDocument::HasSection(std::string_view section) const {
    return findSection(section) != npos;
}

std::optional<std::string> IniDocument::GetValue(std::string_view section,
                                                 std::string_view key) const {
    const std::size_t index = findSection(section);
    if (index == npos)
        return std::nullopt;
    std::optional<std::string> result;
    bool header = true;
    forEachLineText(m_blocks[index], [&](std::string_view text) {
        if (std::exchange(header, false))
            return true;
        const auto line = parseKeyLine(text);
        if (!line || !IniNamesEqual(line->key, key))
            return true;
        const std::string_view value = cleanValue(text.substr(line->equals + 1));
        result = std::string(TruncateUtf16Units(value, kMaxValueUnits));
        return false;
    });
    return result;
}

void IniDocument::materialize(Block& block) {
    if (block.materialized)
        return;
    block.lines.clear();
    scanRawLines(block.rawBegin, block.rawEnd, [&](std::size_t b, std::size_t e, Eol eol) {
        Line line;
        line.raw = m_raw.substr(b, e - b);
        line.text = m_units == Units::Utf8 ? line.raw : decode(line.raw);
        line.eol = eol;
        block.lines.push_back(std::move(line));
        return true;
    });
    block.materialized = true;
}

bool IniDocument::endsWithLineEnd() const {
    if (m_blocks.empty())
        return true;
    const Block& last = m_blocks.back();
    if (last.materialized)
        return last.lines.empty() || last.lines.back().eol != Eol::None;
    if (last.rawEnd == last.rawBegin)
        return true;
    if (m_units == Units::Utf8 || m_units == Units::Latin1) {
        const char c = m_raw[last.rawEnd - 1];
        return c == '\n' || c == '\r';
    }
    const std::size_t low = m_units == Units::Utf16Le ? 0 : 1;
    const char c = m_raw[last.rawEnd - 2 + low];
    return m_raw[last.rawEnd - 1 - low] == '\0' && (c == '\n' || c == '\r');
}

IniDocument::Line& IniDocument::lastLine() {
    materialize(m_blocks.back());
    return m_blocks.back().lines.back();
}

void IniDocument::insertLine(std::size_t blockIndex, std::size_t afterLine, std::string text) {
    Block& block = m_blocks[blockIndex];
    Line line;
    line.text = std::move(text);
    line.changed = true;
    line.eol = m_eol;
    // Only the file's last line can lack a line end; the new line takes over that role.
    Line& previous = block.lines[afterLine];
    if (previous.eol == Eol::None) {
        previous.eol = m_eol;
        line.eol = Eol::None;
    }
    block.lines.insert(block.lines.begin() + static_cast<std::ptrdiff_t>(afterLine) + 1,
                       std::move(line));
    m_modified = true;
}

void IniDocument::appendSection(std::string_view name, std::string_view key,
                                std::string_view value) {
    Eol finalEol = m_eol;
    if (!endsWithLineEnd()) {
        lastLine().eol = m_eol;
        finalEol = Eol::None;
    }
    Block block;
    block.isSection = true;
    block.name = std::string(name);
    block.materialized = true;
    Line header;
    header.text = "[" + block.name + "]";
    header.eol = m_eol;
    header.changed = true;
    Line entry;
    entry.text = std::string(key) + "=" + std::string(value);
    entry.eol = finalEol;
    entry.changed = true;
    block.lines.push_back(std::move(header));
    block.lines.push_back(std::move(entry));
    m_blocks.push_back(std::move(block));
    m_modified = true;
}

Status IniDocument::checkWritable(std::string_view section, std::string_view key,
                                  std::string_view value) const {
    const std::pair<std::string_view, const char*> parts[] = {
        {section, "the section name"}, {key, "the key"}, {value, "the value"}};
    for (const auto& [text, what] : parts) {
        if (!IsValidUtf8(text))
            return Status::failure(std::string(what) + " is not valid text");
        if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
            return Status::failure(std::string(what) + " holds a line break");
        }
        // Every byte from 0xC4 up starts a character above U+00FF.
        if (m_units == Units::Latin1 && std::any_of(text.begin(), text.end(), [](char c) {
                return static_cast<unsigned char>(c) >= 0xC4;
            })) {
            return Status::failure(std::string(what) +
                                   " holds characters that this Latin-1 file cannot store");
        }
    }
    for (const auto& [text, what] : {parts[0], parts[1]}) {
        if (!text.empty() && (isBlank(text.front()) || isBlank(text.back()))) {
            return Status::failure(std::string(what) + " begins or ends with a blank");
        }
    }
    if (key.empty())
        return Status::failure("the key is empty");
    if (key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';') {
        return Status::failure("the key holds \"=\" or starts with \"[\" or \";\"");
    }
    return Status::success();
}

Status IniDocument::SetValue(std::string_view section, std::string_view key,
                             std::string_view value) {
    if (Status problem = checkWritable(section, key, value); !problem)
        return problem;
    const std::size_t index = findSection(section);
    if (index == npos) {
        appendSection(section, key, value);
        return Status::success();
    }
    Block& block = m_blocks[index];
    materialize(block);
    std::size_t lastNonBlank = 0;  // the header
    for (std::size_t i = 1; i < block.lines.size(); ++i) {
        Line& line = block.lines[i];
        if (!isBlankLine(line.text))
            lastNonBlank = i;
        const auto entry = parseKeyLine(line.text);
        if (!entry || !IniNamesEqual(entry->key, key))
            continue;
        // Leave a line that already reads back as this value alone, quotes and spacing included.
        if (cleanValue(std::string_view(line.text).substr(entry->equals + 1)) == value) {
            return Status::success();
        }
        line.text.replace(entry->valueBegin, std::string::npos, value);
        line.changed = true;
        m_modified = true;
        return Status::success();
    }
    insertLine(index, lastNonBlank, std::string(key) + "=" + std::string(value));
    return Status::success();
}

std::size_t IniDocument::RemoveSection(std::string_view section) {
    const bool hadFinalEol = endsWithLineEnd();
    const std::size_t before = m_blocks.size();
    std::erase_if(m_blocks, [&](const Block& block) {
        return block.isSection && IniNamesEqual(block.name, section);
    });
    const std::size_t removed = before - m_blocks.size();
    if (removed == 0)
        return 0;
    m_modified = true;
    m_lastFound = npos;
    if (!hadFinalEol && !m_blocks.empty() && endsWithLineEnd())
        lastLine().eol = Eol::None;
    return removed;
}

}  // namespace marlix
