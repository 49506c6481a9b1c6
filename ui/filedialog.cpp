#include "ui/filedialog.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QListView>
#include <QTreeView>

CFileDialog::CFileDialog(QWidget* parent, bool includeFiles)
    : QFileDialog(parent, QString(), QString(), QString())
{
    setOption(QFileDialog::DontUseNativeDialog, true);
    QDir::Filters filters = QDir::Dirs | QDir::NoDotAndDotDot;
    if (includeFiles)
        filters |= QDir::Files;
    setFilter(filters);

    const auto lists = findChildren<QListView*>(QStringLiteral("listView"));
    for (QListView* list : lists)
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    const auto trees = findChildren<QTreeView*>();
    for (QTreeView* tree : trees)
        tree->setSelectionMode(QAbstractItemView::ExtendedSelection);

    if (auto* box = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
        disconnect(box, &QDialogButtonBox::accepted, this, nullptr);
        connect(box, &QDialogButtonBox::accepted, this, &CFileDialog::onChiose);
    }
}

void CFileDialog::onChiose()
{
    QDialog::accept();
}
