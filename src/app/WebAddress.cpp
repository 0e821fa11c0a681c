#include "app/WebAddress.h"

#include <QStringList>
#include <QUrl>

QString WebAddressForBrowser(const QString& address) {
    // Left as they stand: the characters a URL reserves for its parts
    // (RFC 3986) and the unreserved letters, digits and "-._~", which are
    // never encoded. A percent sign stays too, as it may begin an escape the
    // user wrote; Qt would always encode it, so the text is encoded around it.
    const QByteArray reserved = QByteArrayLiteral(":/?#[]@!$&'()*+,;=");
    QStringList pieces = address.split(QLatin1Char('%'));
    for (QString& piece : pieces) piece = QString::fromLatin1(QUrl::toPercentEncoding(piece, reserved));
    return pieces.join(QLatin1Char('%'));
}
