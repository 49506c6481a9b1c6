#pragma once

#include <QList>
#include <QTreeWidget>

class QLineEdit;
struct IsoEntry;

// The items anywhere in the image whose names hold the search text, each
// beside the folder it lives in, in a list that opens under the search box.
// Down moves from the box into the list, Enter or a click chooses, Escape or
// focus elsewhere closes it.
class SearchHits : public QTreeWidget {
    Q_OBJECT
public:
    // Hits shown at most; a longer search says so with a last "…" row.
    static constexpr int Limit = 200;

    SearchHits(QLineEdit* box, QWidget* parent);

    // Shows the hits (the first Limit of them; `more` when there were more),
    // or closes the list when there are none.
    void ShowHits(const QList<IsoEntry*>& hits, bool more);
    IsoEntry* EntryOf(const QTreeWidgetItem* item) const;

signals:
    void chosen(IsoEntry* entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(QTreeWidgetItem* item);

    QLineEdit* m_box;
    QList<IsoEntry*> m_entries; // of each row
};
