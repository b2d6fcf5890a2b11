// An INI file held in memory, read and written as the Windows private-profile functions do, so
// that a cfg.ini edited by hand or by other Windows programs reads the same: names match without
// regard to ASCII case, the first matching section and key win, values lose surrounding blanks and
// one pair of matching quotes. Everything an edit does not touch is written back byte for byte, in
// the file's own encoding and line ends, so hand edits, comments and unknown sections survive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/result.h"

namespace marlix {

// Section and key names compare like this: ASCII letters without regard to case, every other
// byte (UTF-8 sequences included) exactly.
bool IniNamesEqual(std::string_view a, std::string_view b);
// A name with its ASCII letters folded to lower case: equal keys for equal names (for hashing).
std::string IniNameKey(std::string_view name);

class IniDocument {
public:
    // A file that does not exist yet: UTF-8 without a byte-order mark, the system's line ends.
    IniDocument();

    // Takes the file's bytes. Never fails: a byte-order mark selects UTF-8 or UTF-16 (LE/BE);
    // without one, text that is not valid UTF-8 is taken byte for byte as Latin-1.
    static IniDocument Parse(std::string fileBytes);
    // The bytes to store: the file's own bytes wherever nothing changed.
    std::string Serialize() const;
    // Whether any edit changed the document since it was parsed.
    bool modified() const { return m_modified; }

    // Every section header in file order, duplicates included.
    std::vector<std::string> SectionNames() const;
    bool HasSection(std::string_view section) const;
    // The value of the first matching key in the first matching section; blanks (space, tab)
    // around it and one pair of matching quotes removed, then cut to 255 UTF-16 code units.
    std::optional<std::string> GetValue(std::string_view section, std::string_view key) const;
    // Replaces the first matching key's value in place, or adds the key right after the last
    // non-blank line of the section, or adds the section with the key at the end of the file.
    // Refuses (and changes nothing) what could not be read back as written: line breaks or NUL
    // anywhere, invalid UTF-8, names with surrounding blanks, a key that is empty, holds "=" or
    // starts with "[" or ";", characters that a Latin-1 file cannot hold.
    Status SetValue(std::string_view section, std::string_view key, std::string_view value);
    // A section as RemoveSection took it out: enough to put it back where it stood, byte for byte.
    struct RemovedSection {
        std::string name;   // as its header had it
        std::string bytes;  // its header through its last line, line ends included, as stored
        // The sections before and after it (nullopt when none) and how many headers preceded
        // it: where it goes back when the file changed meanwhile.
        std::optional<std::string> previous;
        std::optional<std::string> next;
        std::size_t sectionsBefore = 0;
        // The file's encoding, and the line end that the line before it lost when it was the
        // last section and had none of its own; for InsertRemovedSection alone.
        std::uint8_t units = 0;
        std::uint8_t lostEol = 0;
    };

    // Removes every section that matches (header and all lines up to the next header), so that
    // no later read finds the name again. Returns how many were removed; with `removed`, appends
    // each of them in file order.
    std::size_t RemoveSection(std::string_view section,
                              std::vector<RemovedSection>* removed = nullptr);
    // Puts a removed section back: right after the section that preceded it, else right before
    // the one that followed it (of several of that name, the one nearest its old place), else
    // before the one that now stands at its old place among the sections, else at the end. Every
    // other byte stays as it is. Several sections removed at once go back in the order
    // RemoveSection gave them. Refuses a section taken from a file in another encoding.
    Status InsertRemovedSection(const RemovedSection& section);

private:
    enum class Units : std::uint8_t { Utf8, Latin1, Utf16Le, Utf16Be };
    enum class Eol : std::uint8_t { None, Lf, CrLf, Cr };

    struct Line {
        std::string text;  // UTF-8, without the line end
        std::string raw;   // the file's bytes without the line end; used while !changed
        Eol eol = Eol::None;
        bool changed = false;
    };
    // The lines before the first header, or one section from its header up to the next header.
    // Blocks stay as a byte range of m_raw until an edit needs their lines.
    struct Block {
        bool isSection = false;
        std::string name;
        std::size_t rawBegin = 0;
        std::size_t rawEnd = 0;
        bool materialized = false;
        std::vector<Line> lines;  // when materialized; a section's header is lines[0]
    };

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    template <typename F>
    void scanRawLines(std::size_t begin, std::size_t end, F&& onLine) const;
    template <typename F>
    void forEachLineText(const Block& block, F&& onText) const;
    bool rawLineStartsWithBracket(std::size_t begin, std::size_t end) const;
    std::string decode(std::string_view bytes) const;
    void encodeAppend(std::string& out, std::string_view utf8) const;
    void appendEol(std::string& out, Eol eol) const;

    std::size_t findSection(std::string_view name) const;
    void materialize(Block& block);
    bool endsWithLineEnd() const;
    bool rawEndsWithLineEnd(std::size_t begin, std::size_t end) const;
    std::string blockBytes(const Block& block) const;
    void appendLines(std::string& out, const Block& block) const;
    Line& lastLine();
    void insertLine(std::size_t blockIndex, std::size_t afterLine, std::string text);
    void appendSection(std::string_view name, std::string_view key, std::string_view value);
    Status checkWritable(std::string_view section, std::string_view key,
                         std::string_view value) const;

    std::string m_raw;      // the parsed file, BOM included
    std::string m_bom;      // written first, as it was read
    std::string m_trailer;  // an odd last byte of a UTF-16 file, kept as it was
    Units m_units = Units::Utf8;
    Eol m_eol;  // for lines this document adds
    std::vector<Block> m_blocks;
    bool m_modified = false;
    // The block of the last successful section lookup: loads and saves address one section many
    // times in a row. Blocks are only appended after it or removed (which clears it), so it stays
    // the first match of its name.
    mutable std::size_t m_lastFound = npos;
};

}  // namespace marlix
