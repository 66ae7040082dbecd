// The programs the robustness driver can open: each opens its windows as
// its own main does and returns the window whose close ends the program.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace rb::robustness {

struct Program {
    QString name;
    std::function<QWidget *()> open;
    // Controls the random stream leaves alone, so that it runs its full
    // length: a program's own "End" button would cut most runs short.
    std::function<bool(const QWidget *)> spare = {};
};

std::vector<Program> Programs();
// Destroys the windows the programs opened, before the application goes.
void CloseAll();

} // namespace rb::robustness
