// Previews put the pictures together the way the program shows them,
// captions included, so a change of look can be judged in one glance.
#include "look.h"
#include "pictures.h"

#include <QDir>
#include <QHash>

using namespace Look;

namespace {

struct Placed {
    QString base; // picture name without the state suffix, or a full name
    int x, y;
    QString text;
    int style;
    State state;
};

class Set {
public:
    explicit Set(const QVector<Picture>& all)
    {
        for (const Picture& p : all)
            m_byName.insert(p.name, p.image);
    }
    QImage get(const QString& name) const { return m_byName.value(name); }

private:
    QHash<QString, QImage> m_byName;
};

QString stateName(const QString& base, State s)
{
    static const char* plain[] = {"1", "2", "3", "4"};
    static const char* under[] = {"_1", "_2", "_3", "_4"};
    if (base.endsWith(QLatin1Char('_')))
        return base.left(base.size() - 1) + QLatin1String(under[s]);
    return base + QLatin1String(plain[s]);
}

// The caption colours and fonts of the program's text styles.
void caption(QPainter& p, const QRect& r, int style, const QString& text, State st)
{
    if (style == 0 || text.isEmpty())
        return;
    const bool over = st == Hover || st == Pressed;
    QColor c = kWhite;
    QFont f = font(12);
    QRect box = r;
    int align = Qt::AlignCenter;
    switch (style) {
    case 3:
        f = font(14);
        break;
    case 5:
    case 7:
    case 8:
    case 12:
        c = over ? kWhite : kGreen;
        break;
    case 6:
        c = over ? kWhite : kGreen;
        f = font(14, QFont::Normal);
        break;
    case 9:
        c = Qt::darkGray;
        box = r.adjusted(22, 2, 0, 0);
        align = Qt::AlignLeft | Qt::AlignTop;
        break;
    case 16:
        c = over ? kWhite : kGreen;
        f = font(14, QFont::Normal);
        break;
    default:
        break;
    }
    p.setPen(c);
    p.setFont(f);
    p.drawText(box, align, text);
}

void placeAll(QPainter& p, const Set& set, const QVector<Placed>& items, QPoint origin)
{
    for (const Placed& it : items) {
        QImage img = set.get(it.base);
        if (img.isNull())
            img = set.get(stateName(it.base, it.state));
        const QPoint at = origin + QPoint(it.x, it.y);
        p.drawImage(at, img);
        caption(p, QRect(at, img.size()), it.style, it.text, it.state);
    }
}

void jobCaptions(QPainter& p, const QRect& r, const QString& title, const QString& desc, State st)
{
    p.setPen(st == Pressed ? kWhite : QColor(Qt::gray));
    p.setFont(font(13));
    p.drawText(QRect(r.x(), r.y(), r.width(), r.height() + 90), Qt::AlignCenter, desc);
    p.setPen(st == Pressed ? kWhite : QColor(Qt::black));
    p.setFont(font(16, QFont::Normal));
    p.drawText(QRect(r.x(), r.y(), r.width(), r.height() + 35), Qt::AlignCenter, title);
}

void homePage(QPainter& p, const Set& set, State burn, State other)
{
    p.drawImage(0, 0, set.get(QStringLiteral("main")));
    struct Job {
        QString base;
        int x, y;
        QString title, desc;
    };
    const Job jobs[] = {
        {QStringLiteral("mburn"), 40, 120, QStringLiteral("Burn"),
            QStringLiteral("Make bootable USB or DVD/CD from ISO")},
        {QStringLiteral("Extract"), 570, 120, QStringLiteral("Extract"), QStringLiteral("Extract content from ISO")},
        {QStringLiteral("Create"), 40, 350, QStringLiteral("Create"),
            QStringLiteral("Create ISO from files or folders")},
        {QStringLiteral("Edit"), 305, 350, QStringLiteral("Edit"),
            QStringLiteral("\n Add, delete, rename \n content in ISO file")},
        {QStringLiteral("Copy-Disc"), 570, 350, QStringLiteral("Copy Disk"),
            QStringLiteral("\n Make ISO file from \n CD/DVD disc")},
    };
    for (const Job& j : jobs) {
        const State st = j.base == QLatin1String("mburn") ? burn : other;
        const QImage img = set.get(stateName(j.base, st));
        p.drawImage(j.x, j.y, img);
        jobCaptions(p, QRect(QPoint(j.x, j.y), img.size()), j.title, j.desc, st);
    }
    int x = 775;
    for (const char* strip : {"menu", "minimize", "close"}) {
        const int frame = burn == Normal ? 0 : other == Pressed ? 2 : 1;
        p.drawImage(QPoint(x, 1), set.get(QString::fromLatin1(strip)), QRect(frame * 28, 0, 28, 28));
        x += 28;
    }
    p.drawImage(699, 48, set.get(stateName(QStringLiteral("help_"), burn)));
}

QImage page(const Set& set, int n, const QVector<Placed>& items, const QString& title, QPoint titleAt)
{
    QImage img = canvas(860, 580);
    QPainter p(&img);
    prepare(p);
    p.drawImage(0, 0, set.get(QStringLiteral("main")));
    p.drawImage(1, 107, set.get(QStringLiteral("page%1").arg(n)));
    p.setPen(kGreen);
    p.setFont(font(16, QFont::Bold));
    p.drawText(QPoint(1, 107) + titleAt + QPoint(0, 16), title);
    placeAll(p, set, items, QPoint(1, 107));
    return img;
}

void dialog(QPainter& p, const Set& set, QPoint at, const QString& bg, const QString& text,
    const QVector<Placed>& items, int textX)
{
    p.drawImage(at, set.get(bg));
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setFont(font(13));
    p.drawText(QRect(at + QPoint(textX, 60), QSize(400 - textX - 20, 61)),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    placeAll(p, set, items, at);
}

} // namespace

void writePreviews(const QVector<Picture>& all, const QString& folder)
{
    QDir().mkpath(folder);
    const Set set(all);

    {
        QImage img = canvas(860 * 2 + 20, 580);
        img.fill(QColor(0x30, 0x38, 0x3C));
        QPainter p(&img);
        prepare(p);
        homePage(p, set, Normal, Normal);
        p.translate(880, 0);
        homePage(p, set, Hover, Pressed);
        img.save(folder + QStringLiteral("/home.png"));
    }

    const QVector<QImage> pages = {
        page(set, 1,
            {{QStringLiteral("Broswe"), 546, 26, QStringLiteral("Browse"), 10, Normal},
                {QStringLiteral("runchecked"), 204, 85, {}, 0, Normal},
                {QStringLiteral("rchecked"), 204, 181, {}, 0, Normal},
                {QStringLiteral("backwhite"), 339, 405, QStringLiteral("Back"), 6, Normal},
                {QStringLiteral("burn"), 473, 405, QStringLiteral("Burn"), 3, Hover}},
            QString(), QPoint(39, 8)),
        page(set, 2,
            {{QStringLiteral("loadiso"), 709, 17, QStringLiteral("Load ISO"), 16, Normal},
                {QStringLiteral("Back"), 39, 417, QStringLiteral("Back"), 16, Normal},
                {QStringLiteral("btnextract"), 700, 417, QStringLiteral("Extract"), 16, Hover}},
            QStringLiteral("ISO Extract"), QPoint(39, 8)),
        page(set, 3,
            {{QStringLiteral("addfile"), 115, 419, QStringLiteral("Add Files..."), 10, Normal},
                {QStringLiteral("adddir"), 277, 419, QStringLiteral("Add Folder..."), 10, Hover},
                {QStringLiteral("Remove"), 439, 419, QStringLiteral("Remove"), 10, Pressed},
                {QStringLiteral("Back"), 599, 417, QStringLiteral("Back"), 3, Normal},
                {QStringLiteral("Create-IOS"), 720, 417, QStringLiteral("Create ISO"), 3, Normal}},
            QStringLiteral("File & Folder Backup"), QPoint(41, 15)),
        page(set, 4,
            {{QStringLiteral("loadiso"), 11, 16, QStringLiteral("Load ISO"), 7, Normal},
                {QStringLiteral("Add"), 206, 24, QStringLiteral("Add"), 9, Normal},
                {QStringLiteral("Export"), 303, 24, QStringLiteral("Export"), 9, Hover},
                {QStringLiteral("Rename"), 409, 24, QStringLiteral("Rename"), 9, Pressed},
                {QStringLiteral("Delete"), 539, 24, QStringLiteral("Delete"), 9, Normal},
                {QStringLiteral("New"), 609, 24, QStringLiteral("New"), 9, Normal},
                {QStringLiteral("zoom"), 718, 22, {}, 0, Normal},
                {QStringLiteral("backwhite"), 11, 416, QStringLiteral("Back"), 6, Hover},
                {QStringLiteral("save"), 741, 416, QStringLiteral("Save"), 3, Pressed}},
            QString(), QPoint(39, 8)),
        page(set, 5,
            {{QStringLiteral("filedialog"), 549, 334, {}, 0, Normal},
                {QStringLiteral("refresh"), 549, 147, {}, 0, Hover},
                {QStringLiteral("select"), 505, 158, {}, 0, Normal},
                {QStringLiteral("backwhite"), 44, 417, QStringLiteral("Back"), 6, Normal},
                {QStringLiteral("start"), 709, 417, QStringLiteral("Start"), 3, Normal}},
            QStringLiteral("Make Image From Disc"), QPoint(32, 25)),
    };
    for (int i = 0; i < pages.size(); ++i)
        pages[i].save(folder + QStringLiteral("/page%1.png").arg(i + 1));

    {
        const QStringList illustrated = {QStringLiteral("about_us"), QStringLiteral("burn-fails"),
            QStringLiteral("format_usb"), QStringLiteral("insert_usb"), QStringLiteral("insufficient_space"),
            QStringLiteral("select_files_extract")};
        QImage img = canvas(2 * 440 + 20, 4 * 208 + 20);
        img.fill(QColor(0x58, 0x66, 0x6C));
        QPainter p(&img);
        prepare(p);
        dialog(p, set, QPoint(20, 20), QStringLiteral("commdialogbg"),
            QStringLiteral("Do you want to delete the selected items?"),
            {{QStringLiteral("close_small_"), 382, 10, {}, 0, Normal},
                {QStringLiteral("OK"), 80, 140, QStringLiteral("OK"), 5, Normal},
                {QStringLiteral("NO_"), 260, 140, QStringLiteral("NO"), 4, Normal}},
            40);
        dialog(p, set, QPoint(460, 20), QStringLiteral("commdialogbg"), QStringLiteral("Extracting files..."),
            {{QStringLiteral("Stop"), 325, 140, QStringLiteral("Stop"), 12, Normal},
                {QStringLiteral("Open-Folder"), 180, 140, QStringLiteral("Open Folder"), 14, Normal},
                {QStringLiteral("Stop"), 80, 140, QStringLiteral("Stop"), 13, Disabled}},
            40);
        for (int i = 0; i < illustrated.size(); ++i) {
            const QPoint at(20 + (i % 2) * 440, 228 + (i / 2) * 208);
            dialog(p, set, at, illustrated[i], QStringLiteral("Please select the files or folders you want to extract"),
                {{QStringLiteral("close_small_"), 391, 1, {}, 0, i == 1 ? Hover : Normal},
                    {QStringLiteral("OK_"), 164, 130, QStringLiteral("OK"), 3, i == 2 ? Hover : Normal}},
                140);
        }
        img.save(folder + QStringLiteral("/dialogs.png"));
    }

    {
        // Every picture at its own size on a checkerboard, big ones halved.
        const int cols = 1000;
        QVector<QRect> rects;
        int x = 10, y = 10, rowH = 0;
        for (const Picture& pic : all) {
            QSize s = pic.image.size();
            if (s.width() > 300)
                s /= 2;
            if (x + s.width() > cols) {
                x = 10;
                y += rowH + 10;
                rowH = 0;
            }
            rects.push_back(QRect(QPoint(x, y), s));
            x += s.width() + 10;
            rowH = qMax(rowH, s.height());
        }
        QImage img = canvas(cols + 10, y + rowH + 10);
        QPainter p(&img);
        for (int yy = 0; yy < img.height(); yy += 8)
            for (int xx = 0; xx < img.width(); xx += 8)
                p.fillRect(xx, yy, 8, 8, ((xx + yy) / 8) % 2 ? QColor(0xE6, 0xE6, 0xE6) : QColor(0xFA, 0xFA, 0xFA));
        prepare(p);
        for (int i = 0; i < all.size(); ++i)
            p.drawImage(rects[i], all[i].image);
        img.save(folder + QStringLiteral("/sheet.png"));
    }
}
