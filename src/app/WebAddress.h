#pragma once
// The address handed to the desktop's browser.

#include <QString>

// The page about the paid edition, opened from the information window.
inline constexpr const char* kPaidEditionUrl = "http://nubera.example.jp/yorutabi/";

// The address as the user stored it, changed only where a URL cannot carry a
// character as it stands: blanks, control characters, the marks a URL never
// holds (" < > \ ^ ` { | }) and non-ASCII text become UTF-8 percent escapes,
// by one rule wherever they stand, in the host name too (a browser reads
// "%E4%BE%8B.jp" as 例.jp). Nothing else is rewritten: an address typed with
// its own "http://" after ours stays "http://http://...", as the user gave it.
QString WebAddressForBrowser(const QString& address);
