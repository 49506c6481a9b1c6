#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// What the program remembers between runs, in the user's configuration
// (~/.config/quillon/quillon.conf on Linux). Tests switch
// QStandardPaths to test mode before the first use.
namespace Settings {

QVariant Value(const QString& key, const QVariant& fallback = QVariant());
void SetValue(const QString& key, const QVariant& value);

// Where file dialogs start: the folder of the last file or folder chosen,
// while it exists; otherwise the home folder.
QString StartFolder();
// Remembers `path`'s folder (or `path` itself when it is a folder).
void RememberPlace(const QString& path);

// Images opened lately, newest first, at most MaxRecent, only existing ones.
constexpr int MaxRecent = 8;
QStringList RecentImages();
void AddRecentImage(const QString& image);
void ClearRecentImages();

} // namespace Settings
