#pragma once

#include "runner/failurelog.h"

#include <QString>
#include <QStringList>

#include <optional>

// The disc recorder (cdrecord, cdrskin): its command lines and what its
// output says.

namespace Tools {

QStringList scanBusArgs();
QStringList writeImageArgs(const QString& recorderAddress, const QString& image);
QStringList ejectArgs(const QString& recorderAddress);

} // namespace Tools

// Percentage of a recorder progress piece: "Track 01:  120 of  650 MB written
// (fifo 100%) [buf  99%]   4.1x." gives 18. -1 for any other piece, and for
// one whose total is 0 or not a number.
int BurnProgressPercent(const QString& piece);

enum class RecorderFailure { None, NoDisc, UnsuitableMedium, WriteError };

// Why a recorder run failed, from the lines it printed (cdrskin and
// cdrecord/wodim word them differently).
FailureLog<RecorderFailure> RecorderLog();

struct ScanbusFields {
    QString address; // "1,0,0"
    QString name; // "HL-DT-ST DVDRAM GH24NSD1 LG00"
};

// The address and the name of a recorder line of a bus scan; nothing for
// headers, empty slots ("1,1,0  101) *") and anything else.
std::optional<ScanbusFields> ParseScanbusFields(const QString& line);
