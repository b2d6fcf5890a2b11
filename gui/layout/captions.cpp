#include "gui/layout/captions.h"

#include <QByteArray>
#include <QCoreApplication>

namespace marlix {

QString CaptionText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString TranslatedCaption(const char* context, std::string_view utf8) {
    if (utf8.empty() || context == nullptr || *context == '\0')
        return CaptionText(utf8);
    // translate() wants a terminated string; a template's caption need not be one.
    const QByteArray source(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return QCoreApplication::translate(context, source.constData());
}

QString StripMnemonics(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

}  // namespace marlix
