// Windows: the faces the templates name are the system's own. The dialog manager resolves a face
// through the registry's font substitutes ("MS Shell Dlg" is "Microsoft Sans Serif" on Windows,
// "Tahoma" under Wine) before it creates the font; Qt's font matching knows only the families
// it enumerates, which leaves such aliases out, so the substitute is looked up here. Characters
// the face lacks (the Chinese captions) come from Qt's fallback through the system's fonts, as
// font linking supplies them to native dialogs.
#include "gui/layout/dialog_font.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace marlix {

namespace {

// The substitute the registry names for face, without its ",charset" suffix; empty when none.
QString FontSubstitute(const QString& face) {
    const std::wstring name = face.toStdWString();
    wchar_t value[LF_FACESIZE * 2] = {};
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_LOCAL_MACHINE,
                       L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
                       name.c_str(), RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return QString();
    }
    return QString::fromWCharArray(value).section(QLatin1Char(','), 0, 0).trimmed();
}

}  // namespace

QStringList FontFamiliesFor(std::string_view face) {
    QStringList families;
    if (!face.empty()) {
        const QString family = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
        const QString substitute = FontSubstitute(family);
        families << (substitute.isEmpty() ? family : substitute);
    }
    // A face the system lacks ("Microsoft Sans Serif" under Wine) gives way to the system's
    // dialog face, as the dialog manager's font mapping does, rather than to Qt's first family.
    QString dialogFace = FontSubstitute(QStringLiteral("MS Shell Dlg 2"));
    if (dialogFace.isEmpty()) {
        dialogFace = QStringLiteral("MS Shell Dlg 2");
    }
    if (!families.contains(dialogFace, Qt::CaseInsensitive)) {
        families << dialogFace;
    }
    return families;
}

// Windows' own font configuration needs no reading ahead.
void ReadFontConfiguration() {}

}  // namespace marlix
