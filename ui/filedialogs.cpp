#include "ui/filedialogs.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QQueue>

#include "ui/filedialog.h"

namespace {

// The dialog captions' translation context.
struct FileDialogs
{
    Q_DECLARE_TR_FUNCTIONS(FileDialogs)
};

struct DialogSeam
{
    bool active = false;
    QQueue<QString> answers;
    QStringList requests;
};

DialogSeam& seam()
{
    static DialogSeam instance;
    return instance;
}

// In test mode: records the request and hands out the next answer.
bool testAnswer(const QString& request, QString& answer)
{
    DialogSeam& s = seam();
    if (!s.active)
        return false;
    s.requests << request;
    answer = s.answers.isEmpty() ? QString() : s.answers.dequeue();
    return true;
}

QStringList splitAnswer(const QString& answer)
{
    return answer.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

QString ChooseFolder(QWidget* parent)
{
    QString answer;
    if (testAnswer(QStringLiteral("ChooseFolder"), answer))
        return answer;
    return QFileDialog::getExistingDirectory(parent, FileDialogs::tr("Open Folder"), QStringLiteral("."),
                                             QFileDialog::ShowDirsOnly);
}

QString ChooseOpenFile(QWidget* parent, const QString& filter)
{
    QString answer;
    if (testAnswer(QStringLiteral("ChooseOpenFile:") + filter, answer))
        return answer;
    return QFileDialog::getOpenFileName(parent, FileDialogs::tr("Open File"), QDir::homePath(),
                                        QStringLiteral("All Files (*);;") + filter, nullptr,
                                        QFileDialog::ReadOnly);
}

QStringList ChooseOpenFiles(QWidget* parent)
{
    QString answer;
    if (testAnswer(QStringLiteral("ChooseOpenFiles"), answer))
        return splitAnswer(answer);
    return QFileDialog::getOpenFileNames(parent, FileDialogs::tr("Open Files"), QDir::homePath(),
                                         QStringLiteral("Any Files(*.*)"), nullptr,
                                         QFileDialog::ReadOnly);
}

QString ChooseSaveFile(QWidget* parent, const QString& filter)
{
    QString answer;
    if (testAnswer(QStringLiteral("ChooseSaveFile:") + filter, answer))
        return answer;
    return QFileDialog::getSaveFileName(parent, FileDialogs::tr("Save File"), QStringLiteral("."), filter);
}

QStringList ChooseItems(QWidget* parent, bool includeFiles)
{
    QString answer;
    if (testAnswer(includeFiles ? QStringLiteral("ChooseItems:files")
                                : QStringLiteral("ChooseItems:folders"),
                   answer))
        return splitAnswer(answer);
    CFileDialog dialog(parent, includeFiles);
    if (dialog.exec() == 1)
        return dialog.selectedFiles();
    return {};
}

void SetDialogAnswersForTest(const QStringList& answers)
{
    DialogSeam& s = seam();
    s.active = true;
    s.answers.clear();
    for (const QString& answer : answers)
        s.answers.enqueue(answer);
}

void AddDialogAnswerForTest(const QString& answer)
{
    seam().active = true;
    seam().answers.enqueue(answer);
}

void ResetDialogsForTest()
{
    seam() = DialogSeam();
}

bool DialogTestModeActive()
{
    return seam().active;
}

int PendingDialogAnswersForTest()
{
    return seam().answers.size();
}

QStringList DialogRequestsForTest()
{
    return seam().requests;
}
