#pragma once

#include <functional>

class QDialog;

// Test seam for the program's modal dialogs (CommDialog and its subclasses,
// GerneralDialog, CFileDialog, CAboutusDialog).
//
// While an answer function is installed, exec() of those dialogs does not run
// an event loop: it calls the function with the dialog, fully built and with
// its texts set, and returns what the function returns (1 accepted, 0
// rejected). The function may inspect the dialog, press its buttons or fill
// its fields first. Example:
//
//     QString shown;
//     ModalHook::Scope answer([&](QDialog* d) {
//         shown = qobject_cast<CommDialog*>(d)->Text();
//         return 1;
//     });
//     page.OnSomething();                 // runs CommDialog::exec() inside
//     QCOMPARE(shown, QStringLiteral("Done."));
//
// Without the hook, a test can also answer the real dialog: queue a call with
// QTimer::singleShot(0, ...) before calling exec(); inside it,
// QApplication::activeModalWidget() is the running dialog, whose buttons are
// found by object name ("btnok", "btncancel", "btnclose") and clicked with
// QTest::mouseClick, or which is simply accept()ed / reject()ed.
namespace ModalHook {
using Answer = std::function<int(QDialog*)>;

void Set(Answer answer);
void Clear();
bool Active();
// Calls the installed function; only valid while Active().
int Respond(QDialog* dialog);

// Installs an answer function for the lifetime of the object.
class Scope
{
public:
    explicit Scope(ModalHook::Answer answer) { Set(std::move(answer)); }
    ~Scope() { Clear(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
};
} // namespace ModalHook
