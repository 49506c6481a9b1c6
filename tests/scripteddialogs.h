#pragma once

#include "ui/pagedialogs.h"

#include <QList>
#include <QQueue>

// Answers a window's questions from a script and records what it was asked
// and told, without opening a dialog.
class ScriptedDialogs : public PageDialogs {
public:
    struct Said {
        enum Kind { Question, Message, OpenFolder, Picture, Choice };
        Kind kind = Message;
        QString text;
        QString picture; // Question and Picture only
        QString folder; // OpenFolder only
        QStringList choices; // Choice only
    };

    // One answer per chooser call, first in first out; a list answer is one
    // text with '\n' between the paths. None left means "cancelled".
    QQueue<QString> answers;
    // For questions (none left: "not confirmed") and choices (none left: closed).
    QQueue<int> confirmations;
    // "ChooseFolder", "ChooseOpenFile:<filter>", "ChooseItems:folders", ... in call order.
    QStringList requests;
    QList<Said> said;

    Said last() const { return said.isEmpty() ? Said() : said.last(); }

    QString ChooseFolder(QWidget*) override { return one(QStringLiteral("ChooseFolder")); }
    QString ChooseOpenFile(QWidget*, const QString& filter) override
    {
        return one(QStringLiteral("ChooseOpenFile:") + filter);
    }
    QStringList ChooseOpenFiles(QWidget*) override { return list(QStringLiteral("ChooseOpenFiles")); }
    QStringList ChooseItems(QWidget*, bool includeFiles) override
    {
        return list(includeFiles ? QStringLiteral("ChooseItems:files") : QStringLiteral("ChooseItems:folders"));
    }
    QString ChooseSaveFile(QWidget*, const QString& filter) override
    {
        return one(QStringLiteral("ChooseSaveFile:") + filter);
    }
    int AskQuestion(const QString& picture, const QString& text, QWidget*) override
    {
        said.append({Said::Question, text, picture, {}, {}});
        return confirmations.isEmpty() ? 0 : confirmations.dequeue();
    }
    int AskChoice(const QString& text, const QStringList& choices, QWidget*) override
    {
        said.append({Said::Choice, text, {}, {}, choices});
        return confirmations.isEmpty() ? -1 : confirmations.dequeue();
    }
    void ShowMessage(const QString& text, QWidget*) override { said.append({Said::Message, text, {}, {}, {}}); }
    void ShowOpenFolderMessage(const QString& text, const QString& folder, QWidget*) override
    {
        said.append({Said::OpenFolder, text, {}, folder, {}});
    }
    void ShowPictureMessage(const QString& picture, const QString& text, int, QWidget*) override
    {
        said.append({Said::Picture, text, picture, {}, {}});
    }

private:
    QString one(const QString& request)
    {
        requests << request;
        return answers.isEmpty() ? QString() : answers.dequeue();
    }
    QStringList list(const QString& request) { return one(request).split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};
