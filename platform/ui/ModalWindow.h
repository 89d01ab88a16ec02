#pragma once

#include <QDialog>

#include <memory>
#include <utility>

// "Created with no owner, shown modally, freed": a parentless dialog run with
// exec() and deleted when it returns.
template <typename Dialog, typename... Args>
int runModal(Args &&...args)
{
    auto dialog = std::make_unique<Dialog>(std::forward<Args>(args)...);
    return dialog->exec();
}

// The same, with the program's global form reference pointing at the live
// window while it runs; it is null again once the window is freed, even when
// an error leaves the window early.
template <typename Dialog, typename... Args>
int runModalAs(Dialog *&reference, Args &&...args)
{
    struct Release
    {
        Dialog *&reference;
        ~Release() { reference = nullptr; }
    };
    auto dialog = std::make_unique<Dialog>(std::forward<Args>(args)...);
    const Release release{reference};
    reference = dialog.get();
    return dialog->exec();
}
