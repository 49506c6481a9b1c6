#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A command line decided as data, so it can be tested as an argument list.
struct ToolCommand {
    QString program; // empty: nothing to run for that request
    QStringList arguments;
    QByteArray input; // written to the tool's standard input, then closed
};
