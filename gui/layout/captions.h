// Caption texts: the UTF-8 strings of the templates as Qt text, and a caption as it reads once
// its mnemonic markers are gone.
#pragma once

#include <QString>
#include <string_view>

namespace marlix {

QString CaptionText(std::string_view utf8);

// The caption in the language marlix runs in: its translation in context, or the caption itself
// where there is none (numbers, resolutions, or English).
QString TranslatedCaption(const char* context, std::string_view utf8);

// "&&" stands for one '&'; a single '&' only marks the next character as the mnemonic and is
// dropped. What a static text without the no-prefix style shows, and what a screen reader says.
QString StripMnemonics(const QString& caption);

}  // namespace marlix
