#include "ui/modalhook.h"

namespace {
ModalHook::Answer& current()
{
    static ModalHook::Answer answer;
    return answer;
}
} // namespace

void ModalHook::Set(Answer answer)
{
    current() = std::move(answer);
}

void ModalHook::Clear()
{
    current() = nullptr;
}

bool ModalHook::Active()
{
    return static_cast<bool>(current());
}

int ModalHook::Respond(QDialog* dialog)
{
    // Copy first: the function may clear or replace itself.
    Answer answer = current();
    return answer ? answer(dialog) : 0;
}
