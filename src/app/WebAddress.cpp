#include "app/WebAddress.h"

#include <QUrl>

#include <algorithm>

namespace {

bool IsAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

QString PercentEncoded(QStringView text) {
    QString encoded;
    for (const char byte : text.toUtf8()) {
        const auto code = static_cast<unsigned char>(byte);
        if (code <= 0x20 || code >= 0x7F) {
            encoded += QStringLiteral("%%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
        } else {
            encoded += QLatin1Char(byte);
        }
    }
    return encoded;
}

// [user@]host[:port], with a non-ASCII host name in its ASCII form.
QString EncodedAuthority(QStringView authority) {
    if (IsAscii(authority)) return authority.toString();
    const qsizetype hostStart = authority.lastIndexOf(QLatin1Char('@')) + 1;
    qsizetype hostEnd = authority.lastIndexOf(QLatin1Char(':'));
    const QStringView port = hostEnd >= hostStart ? authority.mid(hostEnd + 1) : QStringView();
    const bool isPort = std::all_of(port.begin(), port.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (hostEnd < hostStart || !isPort) hostEnd = authority.size();

    const QStringView host = authority.mid(hostStart, hostEnd - hostStart);
    QString asciiHost = QString::fromLatin1(QUrl::toAce(host.toString()));
    // A name that has no ASCII form (a blank in it, say) is passed on escaped.
    if (asciiHost.isEmpty()) asciiHost = PercentEncoded(host);
    return PercentEncoded(authority.left(hostStart)) + asciiHost + PercentEncoded(authority.mid(hostEnd));
}

}  // namespace

QString WebAddressForBrowser(const QString& address) {
    const qsizetype schemeEnd = address.indexOf(QLatin1String("://"));
    if (schemeEnd < 0) return PercentEncoded(address);
    const qsizetype hostStart = schemeEnd + 3;
    qsizetype hostEnd = hostStart;
    while (hostEnd < address.size() && !QStringView(u"/?#").contains(address[hostEnd])) ++hostEnd;
    const QStringView text(address);
    return PercentEncoded(text.left(hostStart)) + EncodedAuthority(text.mid(hostStart, hostEnd - hostStart)) +
           PercentEncoded(text.mid(hostEnd));
}
