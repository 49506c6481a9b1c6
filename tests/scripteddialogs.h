#pragma once

#include "ui/pagedialogs.h"

#include <QList>
#include <QQueue>

// Answers a page's questions from a script and records what it was asked and
// told, without opening a dialog.
class ScriptedDialogs : public PageDialogs
{
public:
    struct Said
    {
        enum Kind { Question, Message, OpenFolder };
        Kind kind = Message;
        QString text;
        QString folder; // OpenFolder only
    };

    // One answer per chooser call, first in first out; a list answer is one
    // text with '\n' between the paths. None left means "cancelled".
    QQueue<QString> answers;
    // For questions; none left means "not confirmed".
    QQueue<int> confirmations;
    // "ChooseOpenFiles", "ChooseItems:folders", "ChooseSaveFile:<filter>", in call order.
    QStringList requests;
    QList<Said> said;

    Said last() const { return said.isEmpty() ? Said() : said.last(); }

    QStringList ChooseOpenFiles(QWidget*) override
    {
        requests << QStringLiteral("ChooseOpenFiles");
        return list();
    }
    QStringList ChooseItems(QWidget*, bool includeFiles) override
    {
        requests << (includeFiles ? QStringLiteral("ChooseItems:files") : QStringLiteral("ChooseItems:folders"));
        return list();
    }
    QString ChooseSaveFile(QWidget*, const QString& filter) override
    {
        requests << QStringLiteral("ChooseSaveFile:") + filter;
        return answers.isEmpty() ? QString() : answers.dequeue();
    }
    int AskQuestion(const QString&, const QString& text, QWidget*) override
    {
        said.append({Said::Question, text, QString()});
        return confirmations.isEmpty() ? 0 : confirmations.dequeue();
    }
    void ShowMessage(const QString& text, QWidget*) override { said.append({Said::Message, text, QString()}); }
    void ShowOpenFolderMessage(const QString& text, const QString& folder, QWidget*) override
    {
        said.append({Said::OpenFolder, text, folder});
    }

private:
    QStringList list()
    {
        return answers.isEmpty() ? QStringList() : answers.dequeue().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};
