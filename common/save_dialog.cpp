#include "save_dialog.h"

#include "plain_file_icons.h"

namespace rb {

SaveDialog::SaveDialog(QWidget *window, const QString &caption, const QString &folder)
    : QFileDialog(window, caption, folder)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    auto *icons = new PlainFileIcons;
    setIconProvider(icons);
    // The file model asks for icons from its worker thread until the model
    // is gone, and the model goes with the children, after this object's
    // own destructor: only then can the icons go.
    connect(this, &QObject::destroyed, [icons] { delete icons; });
}

} // namespace rb
