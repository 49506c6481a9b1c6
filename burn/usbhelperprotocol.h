#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How Quillon talks to quillon-usb-helper, its one privileged process per
// burn: one line per message, fields separated by tabs, each field with "%",
// tab, CR and LF percent-encoded.
//
// Requests: unmount | wipe | partition mbr|gpt FS | format FS LABEL |
// mount FS FOLDER | bios-boot FOLDER | check FS | write IMAGE | verify IMAGE |
// flush | stop | quit. Answers: ready SIZE | refused WHY (then it ends) |
// progress DONE TOTAL | ok [VALUE] | error WHY.
namespace UsbHelperProtocol {

const QString HelperName = QStringLiteral("quillon-usb-helper");
const QString InstalledHelper = QStringLiteral("/usr/libexec/quillon/quillon-usb-helper");
// Tests and `quillon burn --allow-loop-device` (root only) burn to loop devices.
const QString AllowLoopOption = QStringLiteral("--allow-loop-device");

inline QByteArray encode(const QStringList& fields)
{
    QByteArray line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += '\t';
        for (const char c : fields.at(i).toUtf8()) {
            if (c == '%' || c == '\t' || c == '\n' || c == '\r')
                line += '%' + QByteArray::number(quint8(c), 16).rightJustified(2, '0').toUpper();
            else
                line += c;
        }
    }
    return line + '\n';
}

inline QStringList decode(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    QStringList fields;
    for (const QByteArray& field : line.split('\t'))
        fields << QString::fromUtf8(QByteArray::fromPercentEncoding(field));
    return fields;
}

} // namespace UsbHelperProtocol
