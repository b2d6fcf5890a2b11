// Editing an IniDocument: setting a value in place or at the end of its section, appending a
// section, removing one; every line an edit does not touch keeps its bytes.
#include <algorithm>
#include <utility>

#include "core/platform/ini/ini_document.h"
#include "core/platform/ini/ini_lines.h"
#include "core/platform/text.h"

namespace marlix {

using namespace ini_lines;

bool IniDocument::endsWithLineEnd() const {
    if (m_blocks.empty())
        return true;
    const Block& last = m_blocks.back();
    if (last.materialized)
        return last.lines.empty() || last.lines.back().eol != Eol::None;
    return rawEndsWithLineEnd(last.rawBegin, last.rawEnd);
}

bool IniDocument::rawEndsWithLineEnd(std::size_t begin, std::size_t end) const {
    if (end == begin)
        return true;
    if (m_units == Units::Utf8 || m_units == Units::Latin1) {
        const char c = m_raw[end - 1];
        return c == '\n' || c == '\r';
    }
    const std::size_t low = m_units == Units::Utf16Le ? 0 : 1;
    const char c = m_raw[end - 2 + low];
    return m_raw[end - 1 - low] == '\0' && (c == '\n' || c == '\r');
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

std::size_t IniDocument::RemoveSection(std::string_view section,
                                       std::vector<RemovedSection>* removedSections) {
    const bool hadFinalEol = endsWithLineEnd();
    const std::size_t before = m_blocks.size();
    const std::size_t keptBefore = removedSections ? removedSections->size() : 0;
    if (removedSections) {
        std::size_t headers = 0;
        for (std::size_t i = 0; i < m_blocks.size(); ++i) {
            const Block& block = m_blocks[i];
            if (!block.isSection)
                continue;
            if (IniNamesEqual(block.name, section)) {
                RemovedSection taken;
                taken.name = block.name;
                taken.bytes = blockBytes(block);
                if (i > 0 && m_blocks[i - 1].isSection)
                    taken.previous = m_blocks[i - 1].name;
                if (i + 1 < m_blocks.size())
                    taken.next = m_blocks[i + 1].name;
                taken.sectionsBefore = headers;
                taken.units = static_cast<std::uint8_t>(m_units);
                removedSections->push_back(std::move(taken));
            }
            ++headers;
        }
    }
    std::erase_if(m_blocks, [&](const Block& block) {
        return block.isSection && IniNamesEqual(block.name, section);
    });
    const std::size_t removed = before - m_blocks.size();
    if (removed == 0)
        return 0;
    m_modified = true;
    m_lastFound = npos;
    if (!hadFinalEol && !m_blocks.empty() && endsWithLineEnd()) {
        // The file's last section went, and with it the file's missing final line end: the line
        // before it gives up its own, which a restore gives back.
        Line& last = lastLine();
        if (removedSections && removedSections->size() > keptBefore)
            removedSections->back().lostEol = static_cast<std::uint8_t>(last.eol);
        last.eol = Eol::None;
    }
    return removed;
}

Status IniDocument::InsertRemovedSection(const RemovedSection& section) {
    if (section.units != static_cast<std::uint8_t>(m_units)) {
        return Status::failure(
            "the file has been saved in another text encoding since the section was removed",
            ErrorCode::InvalidValue);
    }
    // Where it goes: after the section that preceded it, else before the one that followed it,
    // else at its old place by order. Of several sections of a name, the one whose place is
    // nearest to where that neighbour stood.
    std::size_t afterPrevious = npos, beforeNext = npos;
    std::size_t previousDistance = npos, nextDistance = npos;
    std::size_t byOrder = m_blocks.size();
    const auto distance = [](std::size_t a, std::size_t b) { return a > b ? a - b : b - a; };
    for (std::size_t i = 0, headers = 0; i < m_blocks.size(); ++i) {
        if (!m_blocks[i].isSection)
            continue;
        if (headers == section.sectionsBefore)
            byOrder = i;
        const std::string_view name = m_blocks[i].name;
        if (section.previous && IniNamesEqual(name, *section.previous) &&
            distance(headers + 1, section.sectionsBefore) < previousDistance) {
            previousDistance = distance(headers + 1, section.sectionsBefore);
            afterPrevious = i + 1;
        }
        if (section.next && IniNamesEqual(name, *section.next) &&
            distance(headers, section.sectionsBefore) < nextDistance) {
            nextDistance = distance(headers, section.sectionsBefore);
            beforeNext = i;
        }
        ++headers;
    }
    const std::size_t at = afterPrevious != npos ? afterPrevious
                           : beforeNext != npos  ? beforeNext
                                                 : byOrder;

    Block block;
    block.isSection = true;
    block.name = section.name;
    block.rawBegin = m_raw.size();
    m_raw += section.bytes;
    block.rawEnd = m_raw.size();
    if (at < m_blocks.size()) {
        // It was the file's last section, without a final line end: a header follows it now.
        if (!rawEndsWithLineEnd(block.rawBegin, block.rawEnd)) {
            appendEol(m_raw, m_eol);
            block.rawEnd = m_raw.size();
        }
    } else if (!endsWithLineEnd()) {
        lastLine().eol = section.lostEol != 0 ? static_cast<Eol>(section.lostEol) : m_eol;
    }
    m_blocks.insert(m_blocks.begin() + static_cast<std::ptrdiff_t>(at), std::move(block));
    m_lastFound = npos;
    m_modified = true;
    return Status::success();
}

}  // namespace marlix
