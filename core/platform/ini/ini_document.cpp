#include "core/platform/ini/ini_document.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/platform/ini/ini_lines.h"
#include "core/platform/text.h"

namespace marlix {

using namespace ini_lines;

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
        appendLines(out, block);
    }
    flush();
    out += m_trailer;
    return out;
}

void IniDocument::appendLines(std::string& out, const Block& block) const {
    for (const Line& line : block.lines) {
        if (line.changed) {
            encodeAppend(out, line.text);
        } else {
            out += line.raw;
        }
        appendEol(out, line.eol);
    }
}

std::string IniDocument::blockBytes(const Block& block) const {
    if (!block.materialized)
        return m_raw.substr(block.rawBegin, block.rawEnd - block.rawBegin);
    std::string out;
    appendLines(out, block);
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

}  // namespace marlix
