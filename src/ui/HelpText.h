#pragma once
// The help window's text: the whole help, lines ended by CR LF.

#include <QString>

const QString& HelpText();
