#include "app/cli.h"

#include "app/clicommon.h"
#include "core/util.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTranslator>

using namespace Cli;

namespace {

const char* const Subcommands[] = {"extract", "create", "edit", "burn", "copy-disc", "list-drives", "checksum"};
const char* const Pages[] = {"burn", "extract", "create", "edit", "copy-disc"};

QString subcommandOf(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument.startsWith(QLatin1Char('-')))
            return QString(); // options of the window come first; a subcommand is the first word
        for (const char* name : Subcommands) {
            if (argument == QLatin1String(name))
                return argument;
        }
        return QString();
    }
    return QString();
}

} // namespace

QString CommandLineHelp()
{
    return CommandLine::tr(
        "Usage: quillon [IMAGE]\n"
        "       quillon --page burn|extract|create|edit|copy-disc [IMAGE]\n"
        "       quillon SUBCOMMAND ...\n"
        "\n"
        "Without a subcommand the window starts, with IMAGE open on the Extract page (or on the page\n"
        "--page names). The subcommands run the same jobs without a display:\n"
        "\n"
        "  extract IMAGE TARGET [ITEM...]      extract the items (everything when none) into TARGET\n"
        "  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...\n"
        "                                      build an image from files and folders\n"
        "  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...\n"
        "       [--rename /PATH=NEWNAME]...    save a changed copy that boots as the original\n"
        "  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]\n"
        "       [--label LABEL] [--yes]        make a bootable USB stick (image: write a hybrid\n"
        "                                      image as it is; file system and label ignored)\n"
        "  burn IMAGE --disc RECORDER          write the image to a CD/DVD\n"
        "  copy-disc DRIVE --output IMAGE      read a CD/DVD into an image\n"
        "  list-drives                         the USB disks and recorders one can burn to\n"
        "  checksum IMAGE [--sha256|--sha1|--md5]\n"
        "                                      the image's checksum (SHA-256 unless named), compared\n"
        "                                      with SHA256SUMS or IMAGE.sha256 (and the like) beside it\n"
        "\n"
        "Options:\n"
        "  --force               replace an existing output file (extract: existing files)\n"
        "  --yes                 write to the USB disk without asking\n"
        "  --allow-loop-device   accept a loop device as a USB disk (tests; root only)\n"
        "  -h, --help            show this help\n"
        "  -v, --version         show the version\n"
        "\n"
        "Progress goes to standard error, results to standard output (checksum: the sum as sha256sum\n"
        "prints it, the comparison on standard error). The exit status is 0 only when the job's own\n"
        "check passed (checksum: 1 when the sum differs from the one beside the image); Ctrl+C stops\n"
        "the job and removes partial output.");
}

bool IsCommandLineRun(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--"))
            break;
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("-v")
            || a == QLatin1String("--version"))
            return true;
    }
    return !subcommandOf(arguments).isEmpty();
}

QString PageArgument(const QStringList& arguments, QString* error)
{
    for (int i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments.at(i) == QLatin1String("--page") && i + 1 < arguments.size())
            value = arguments.at(i + 1);
        else if (arguments.at(i).startsWith(QLatin1String("--page=")))
            value = arguments.at(i).mid(7);
        else
            continue;
        for (const char* page : Pages) {
            if (value == QLatin1String(page))
                return value;
        }
        if (error)
            *error = CommandLine::tr("Unknown page %1: use burn, extract, create, edit or copy-disc.").arg(value);
        return QString();
    }
    return QString();
}

int RunCommandLine(const QStringList& arguments)
{
    // Engine texts in the user's language, as the window shows them.
    QTranslator translator;
    translator.load(AppDir() + Util::TranslationFileFor(QLocale()));
    QCoreApplication::installTranslator(&translator);

    const QString subcommand = subcommandOf(arguments);
    QStringList rest = arguments;
    if (!subcommand.isEmpty())
        rest.removeAt(rest.indexOf(subcommand, 1));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption({QStringLiteral("force"), QString()});
    parser.addOption({QStringLiteral("page"), QString(), QStringLiteral("PAGE")});
    if (subcommand == QLatin1String("create") || subcommand == QLatin1String("edit")
        || subcommand == QLatin1String("copy-disc"))
        parser.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("IMAGE")});
    if (subcommand == QLatin1String("create")) {
        parser.addOption({QStringLiteral("label"), QString(), QStringLiteral("LABEL")});
        parser.addOption({QStringLiteral("type"), QString(), QStringLiteral("TYPE"), QStringLiteral("joliet")});
    }
    if (subcommand == QLatin1String("edit")) {
        parser.addOption({QStringLiteral("add"), QString(), QStringLiteral("SOURCE=PATH")});
        parser.addOption({QStringLiteral("remove"), QString(), QStringLiteral("PATH")});
        parser.addOption({QStringLiteral("rename"), QString(), QStringLiteral("PATH=NAME")});
    }
    if (subcommand == QLatin1String("burn")) {
        parser.addOption({QStringLiteral("usb"), QString(), QStringLiteral("DEVICE")});
        parser.addOption({QStringLiteral("disc"), QString(), QStringLiteral("RECORDER")});
        parser.addOption({QStringLiteral("style"), QString(), QStringLiteral("STYLE"), QStringLiteral("mbr")});
        parser.addOption({QStringLiteral("file-system"), QString(), QStringLiteral("FS"), QStringLiteral("FAT32")});
        parser.addOption({QStringLiteral("label"), QString(), QStringLiteral("LABEL")});
        parser.addOption({QStringLiteral("yes"), QString()});
        parser.addOption({QStringLiteral("allow-loop-device"), QString()});
    }
    if (subcommand == QLatin1String("checksum")) {
        for (const char* kind : {"sha256", "sha1", "md5"})
            parser.addOption({QLatin1String(kind), QString()});
    }
    if (!parser.parse(rest))
        return fail(
            parser.errorText() + QLatin1Char('\n') + CommandLine::tr("quillon --help shows the usage."), ExitUsage);
    if (parser.isSet(help)) {
        out() << CommandLineHelp() << Qt::endl;
        return 0;
    }
    if (parser.isSet(version)) {
        out() << "quillon " << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    }

    Common common;
    common.force = parser.isSet(QStringLiteral("force"));
    if (subcommand == QLatin1String("extract"))
        return runExtract(parser.positionalArguments(), common);
    if (subcommand == QLatin1String("create"))
        return runCreate(parser, common);
    if (subcommand == QLatin1String("edit"))
        return runEdit(parser, common);
    if (subcommand == QLatin1String("burn"))
        return runBurn(parser, common);
    if (subcommand == QLatin1String("copy-disc"))
        return runCopyDisc(parser, common);
    if (subcommand == QLatin1String("list-drives"))
        return runListDrives(common);
    if (subcommand == QLatin1String("checksum"))
        return runChecksum(parser);
    return fail(CommandLine::tr("quillon --help shows the usage."), ExitUsage);
}
