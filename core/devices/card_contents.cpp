#include "core/devices/card_contents.h"

#include <exception>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/platform/abandonable_work.h"
#include "core/platform/escaped_text.h"
#include "core/platform/text.h"

namespace marlix {

namespace fs = std::filesystem;

namespace {

// The walk, in the work away from the caller. nullopt with `error` set when the root itself
// cannot be read.
std::optional<CardContents> countContents(const fs::path& root, std::error_code& error) {
    CardContents contents;
    fs::recursive_directory_iterator walk(root, fs::directory_options::skip_permission_denied,
                                          error);
    if (error)
        return std::nullopt;
    std::size_t counted = 0;
    for (; walk != fs::recursive_directory_iterator(); walk.increment(error)) {
        if (error) {
            // The walk cannot go on past a folder that failed: what is left is not counted.
            contents.notAllReadable = true;
            break;
        }
        if (counted == kCardContentsCountLimit) {
            contents.moreThanCounted = true;
            break;
        }
        ++counted;
        std::error_code statusError;
        const fs::file_status status = walk->symlink_status(statusError);
        if (fs::is_directory(status)) {
            ++contents.folders;
            continue;
        }
        ++contents.files;
        if (fs::is_regular_file(status)) {
            const std::uintmax_t size = walk->file_size(statusError);
            if (!statusError)
                contents.fileBytes += size;
        }
        if (contents.someFiles.size() < kCardContentsNamesShown) {
            std::string shown;
            for (const fs::path& part : walk->path().lexically_relative(root)) {
                if (!shown.empty())
                    shown += '/';
                shown += PathToUtf8(part);
            }
            contents.someFiles.push_back(std::move(shown));
        }
    }
    return contents;
}

// "<files> <folders> <more> <unreadable> <bytes>\n" and the names, each ended by a NUL (no file
// name holds one); or "E\n" and the reason.
std::string encode(const std::optional<CardContents>& contents, const std::string& failure) {
    if (!contents)
        return "E\n" + failure;
    std::string out = std::to_string(contents->files) + " " + std::to_string(contents->folders) +
                      " " + (contents->moreThanCounted ? "1" : "0") + " " +
                      (contents->notAllReadable ? "1" : "0") + " " +
                      std::to_string(contents->fileBytes) + "\n";
    for (const std::string& name : contents->someFiles) {
        out += name;
        out.push_back('\0');
    }
    return out;
}

std::optional<std::uint64_t> number(std::string_view digits) {
    if (digits.empty() || digits.size() > 19 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return value;
}

// nullopt for anything but a whole report.
std::optional<Result<CardContents>> decode(std::string_view told) {
    const std::size_t end = told.find('\n');
    if (end == std::string_view::npos)
        return std::nullopt;
    if (told.substr(0, end) == "E")
        return Result<CardContents>(Status::failure(std::string(told.substr(end + 1))));
    std::optional<std::uint64_t> fields[5];
    std::string_view head = told.substr(0, end);
    for (auto& field : fields) {
        const std::size_t space = head.find(' ');
        field = number(head.substr(0, space));
        head = space == std::string_view::npos ? std::string_view() : head.substr(space + 1);
        if (!field)
            return std::nullopt;
    }
    CardContents contents{*fields[0], *fields[1], *fields[2] == 1, *fields[3] == 1, *fields[4], {}};
    std::string_view names = told.substr(end + 1);
    while (!names.empty()) {
        const std::size_t nul = names.find('\0');
        if (nul == std::string_view::npos || contents.someFiles.size() == kCardContentsNamesShown)
            return std::nullopt;
        contents.someFiles.emplace_back(names.substr(0, nul));
        names.remove_prefix(nul + 1);
    }
    return Result<CardContents>(std::move(contents));
}

std::string counted(std::uint64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// "512 bytes", "3.4 KB", "1.2 GB": units of 1024, one decimal, no locale.
std::string sizeText(std::uint64_t bytes) {
    static constexpr const char* kUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    if (bytes < 1024)
        return counted(bytes, "byte", "bytes");
    std::uint64_t unit = 1024;
    std::size_t index = 0;
    while (index + 1 < std::size(kUnits) && bytes / unit >= 1024) {
        unit *= 1024;
        ++index;
    }
    std::uint64_t whole = bytes / unit;
    std::uint64_t tenths = ((bytes % unit) / (unit / 1024) * 10 + 512) / 1024;
    if (tenths == 10) {
        ++whole;
        tenths = 0;
    }
    return std::to_string(whole) + "." + std::to_string(tenths) + " " + kUnits[index];
}

}  // namespace

Result<CardContents> ReadCardContents(const std::string& root, std::chrono::milliseconds deadline,
                                      const std::function<void()>& started) {
    const fs::path path = PathFromUtf8(root.empty() ? std::string(".") : root);
    const WorkOutcome outcome = RunAbandonable(
        [path] {
            const std::string cannot = "Cannot read \"" + PathToUtf8(path) + "\": ";
            // The library's walk reports some failures by throwing (a name it cannot convert,
            // no memory); on Windows the work is a thread of the program itself.
            try {
                std::error_code error;
                const auto contents = countContents(path, error);
                return encode(contents, contents ? std::string() : cannot + error.message());
            } catch (const std::exception& e) {
                return encode(std::nullopt, cannot + e.what());
            }
        },
        deadline, started);
    if (outcome.ended == WorkOutcome::Ended::Told) {
        if (auto result = decode(outcome.told))
            return std::move(*result);
    }
    if (outcome.ended == WorkOutcome::Ended::Late) {
        return Status::failure("The card \"" + root + "\" does not answer: what it holds is not " +
                                   "known (counting its files did not end within " +
                                   std::to_string(deadline.count() / 1000) + " seconds)",
                               ErrorCode::NotAnswering);
    }
    return Status::failure("Cannot read \"" + root +
                           "\": counting its files ended without telling what it found");
}

std::string CardContentsText(const CardContents& contents,
                             std::optional<std::uint64_t> bytesInUse) {
    std::string text;
    if (contents.moreThanCounted) {
        text = "More than " + std::to_string(kCardContentsCountLimit) + " files and folders";
    } else if (contents.files == 0 && contents.folders == 0) {
        text = "No files or folders";
    } else {
        text = counted(contents.files, "file", "files");
        if (contents.folders > 0)
            text += " and " + counted(contents.folders, "folder", "folders");
    }
    if (!contents.someFiles.empty()) {
        text += " (";
        for (std::size_t i = 0; i < contents.someFiles.size(); ++i) {
            if (i > 0)
                text += ", ";
            text += EscapedText(contents.someFiles[i]);
        }
        if (contents.moreThanCounted || contents.files > contents.someFiles.size())
            text += ", ...";
        text += ")";
    }
    if (contents.notAllReadable)
        text += ", not all of it readable";
    const bool counting = !bytesInUse;
    const std::uint64_t used = bytesInUse ? *bytesInUse : contents.fileBytes;
    const bool atLeast = counting && (contents.moreThanCounted || contents.notAllReadable);
    text += ", " + std::string(atLeast ? "at least " : "") + sizeText(used) + " in use";
    return text;
}

}  // namespace marlix
