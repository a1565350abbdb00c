#pragma once
// What the editor windows share: their window style, the name field, the file dialogs'
// filters, paths and the current directory.

#include <QString>
#include <string>
#include <string_view>

#include "locale_and_folder.h"
#include "user_seam.h"

class QDialog;
class QLineEdit;
class QWidget;

namespace vakrel {

// A fixed client area, a title bar with only a close box, kept above the other windows,
// centred on the screen.
void MakeFixedEditorWindow(QDialog& window, int clientWidth, int clientHeight);
void CenterOnScreen(QWidget& window);
// Shows `window` modally over `owner`, which may be kept on top: the window is made transient
// for the owner, so that the window manager stacks it above.
int ExecOver(QDialog& window, QWidget& owner);

// The filter of a file dialog in Qt's form. `pairs` is description|pattern|description|pattern
// ("Исходные данные (*.idn)|*.idn|..."); each description ends in its pattern in parentheses,
// blanks after it are dropped (Qt reads the pattern from the closing parenthesis).
QString ToQtFilter(const QString& pairs);

// The open or save dialog of a data file: its title, its filter as description|pattern pairs,
// the name offered, and the extension "idn" added to a name typed without one.
FileDialogRequest DataFileDialog(bool save, const QString& title, const QString& filterPairs,
                                 const QString& initialName);

// Shows a code page 1251 name in the field.
void ShowName(QLineEdit& field, std::string_view nameWin);
// The field's text as a code page 1251 name. Characters code page 1251 cannot hold become
// '?', and the field is made to show that at once (the caret stays where it was).
std::string TakeName(QLineEdit& field);

}  // namespace vakrel
