// quillon-usb-helper DEVICE [--allow-loop-device]: the privileged part of a
// USB burn, started once per burn through pkexec (or directly by root).
#include "burn/usbhelperprotocol.h"

#include "helper/usbhelper.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::signal(SIGPIPE, SIG_IGN);
    QStringList args = app.arguments().mid(1);
    const bool allowLoop = args.removeAll(UsbHelperProtocol::AllowLoopOption) > 0;
    auto say = [](const QStringList& fields) {
        const QByteArray line = UsbHelperProtocol::encode(fields);
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fflush(stdout);
    };
    if (args.size() != 1) {
        say({QStringLiteral("refused"), QStringLiteral("Usage: quillon-usb-helper DEVICE")});
        return 2;
    }
    UsbHelper helper(args.first(), allowLoop);
    if (!helper.refusal().isEmpty()) {
        say({QStringLiteral("refused"), helper.refusal()});
        return 3;
    }
    say({QStringLiteral("ready"), QString::number(helper.size())});
    return helper.serve(STDIN_FILENO);
}
