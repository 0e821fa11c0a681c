#pragma once
// The address handed to the desktop's browser.

#include <QString>

// The page about the paid edition, opened from the information window.
inline constexpr const char* kPaidEditionUrl = "http://nubera.example.jp/yorutabi/";

// The address as the user stored it, changed only where a URL cannot carry a
// character as it stands: blanks, control characters and non-ASCII text
// become UTF-8 percent escapes, and a host name with non-ASCII letters takes
// its ASCII (IDNA) form. Nothing else is rewritten: an address typed with its
// own "http://" after ours stays "http://http://...", as the user gave it.
QString WebAddressForBrowser(const QString& address);
