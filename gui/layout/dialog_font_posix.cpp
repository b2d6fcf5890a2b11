// The template faces where the system does not have them: installed fonts stand in for them.
#include <dlfcn.h>

#include <QLocale>

#include "gui/layout/dialog_font.h"
#include "gui/resources/resources.h"

namespace marlix {

namespace {

bool WritesInCjk(const QLocale& locale) {
    switch (locale.script()) {
        case QLocale::HanScript:
        case QLocale::SimplifiedHanScript:
        case QLocale::TraditionalHanScript:
        case QLocale::HanWithBopomofoScript:
        case QLocale::JapaneseScript:
        case QLocale::KoreanScript:
            return true;
        default:
            return false;
    }
}

}  // namespace

QStringList FontFamiliesFor(std::string_view face) {
    // Liberation Sans has the metrics of Arial, which is what these faces resolved to where the
    // layouts were drawn.
    static constexpr std::string_view kSansFaces[] = {
        "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif", "MS Sans Serif", "Tahoma",
        "Arial",        "System",
    };
    QStringList families;
    bool mapped = false;
    for (std::string_view sans : kSansFaces) {
        if (face == sans) {
            mapped = true;
        }
    }
    if (!mapped && !face.empty()) {
        families << QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    }
    families << QStringLiteral("Liberation Sans");
    // The full-width brackets and colon of the Latin captions ("16M（4608x3456  4：3）") from the
    // program's own font: a CJK font is megabytes that the first paint would read for three
    // glyphs. In Chinese and Japanese the CJK font draws them, as it draws the text around them.
    if (!WritesInCjk(QLocale())) {
        if (const QString fullwidth = FullwidthFormsFamily(); !fullwidth.isEmpty())
            families << fullwidth;
    }
    families << QStringLiteral("WenQuanYi Micro Hei");
    return families;
}

void ReadFontConfiguration() {
    // Qt reads fonts through fontconfig here, which it has loaded with itself; FcInit is
    // thread-safe and a no-op once the configuration is read. Looked up rather than linked, so
    // that a Qt that does not use fontconfig just skips this.
    using Init = int (*)();
    if (auto* init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"))) {
        init();
    }
}

}  // namespace marlix
