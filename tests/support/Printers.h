#pragma once
// How a failing test prints the program's own values: as they read, not as
// their bytes.

#include <ostream>

#include "app/ProgramWindows.h"
#include "engine/MomentParts.h"
#include "storage/DataDirectory.h"

inline void PrintTo(const WindowPlace& place, std::ostream* os) { *os << place.left << "," << place.top; }

inline void PrintTo(const MomentParts& m, std::ostream* os) {
    *os << m.year << "-" << m.month << "-" << m.day << " " << m.hour << ":" << m.minute;
}

inline void PrintTo(const LockHolder& holder, std::ostream* os) {
    *os << "process " << holder.processId << " (" << holder.program.toStdString() << ")";
}

// As text, as a test reads and writes it.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* os) { *os << '"' << bytes.toStdString() << '"'; }
