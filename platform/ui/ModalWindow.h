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
