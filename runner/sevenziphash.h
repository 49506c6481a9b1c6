#pragma once

#include <QString>
#include <QStringList>

// 7-Zip's content sums: "t -scrcSHA256" over an image and "h -scrcSHA256"
// over a folder print the same "SHA256 for data and names" when the folder
// holds exactly the image's files, with the same names and contents.
namespace Tools {

// `leaveOut`: image paths ("sources/install.wim") the sum skips.
QStringList imageSumArgs(const QString& image, const QStringList& leaveOut);
// Over everything below an absolute folder; `leaveOut` relative to it.
QStringList folderSumArgs(const QString& folder, const QStringList& leaveOut);

} // namespace Tools

// The "data and names" sum of 7-Zip's output; empty when it printed none.
QString ParseContentSum(const QString& output);
