// The save dialog of the windows: the toolkit's own file dialog (it speaks
// the toolkit's language on every desktop) whose file icons never read a
// file (plain_file_icons.h).
#pragma once

#include <QFileDialog>

namespace rb {

class SaveDialog : public QFileDialog {
    Q_OBJECT
public:
    SaveDialog(QWidget *window, const QString &caption, const QString &folder);
};

} // namespace rb
