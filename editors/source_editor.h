#pragma once
// The frame the three source-data editors share: the name label with its file menu, the name
// field, the grid, and the commands' error handling. Opening runs each time the window is
// shown; the closing questions run when the window is asked to close (close box, Esc or
// done()), and an input/output error among them keeps the window open, so that closing it
// again repeats them.

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace vakrel {

class StringGrid;
class UserSeam;

struct SourceEditorLayout {
    QSize client;
    QPoint labelPos;
    QString labelText;
    QString labelToolTip;
    QPoint editPos;
    int editWidth = 0;
    QRect gridRect;
    int gridCols = 0;
    int gridRows = 0;  // the heading row included
    int gridFixedCols = 0;
    QString gridToolTip;
    bool gridScrollBars = false;
};

class SourceEditor : public QDialog {
    Q_OBJECT
public:
    void done(int result) override;

protected:
    // `workingDirectory` is the model's, which lives for the whole run.
    SourceEditor(const QString& objectName, const QString& caption, const SourceEditorLayout& layout, UserSeam& seam,
                 const std::string& workingDirectory);

    virtual void FormActivate() = 0;
    virtual void FormClose() = 0;
    virtual void N1Click() = 0;
    virtual void N2Click() = 0;
    virtual void StringGrid1SetEditText(int col, int row, const QString& text) = 0;
    virtual void StringGrid1DblClick() {}

    // Runs one command; an IoError ends it and is shown in the error box, with the working
    // folder named when it is gone. False when it failed.
    bool RunCommand(void (SourceEditor::*command)());

    // Makes the working directory current again before the working file is offered. When it
    // cannot be (the folder is gone), the user is told and false returned: nothing can be
    // written there, and the window must still close.
    bool ReturnToWorkingDirectory();

    // The path the file functions take for a file the editor shows: the working file's short
    // name joined to the working folder (never to whatever folder a dialog made current), a
    // path chosen in a dialog as it is.
    std::string FilePath(const QString& fileName) const;

    // Puts a name (code page 1251) into the name field; it becomes both the loaded and the
    // current name.
    void ShowLoadedName(const std::string& nameWin);
    bool NameChanged() const { return nameCurrent_ != nameLoaded_; }

    void showEvent(QShowEvent* event) override;

    UserSeam& seam_;
    const std::string& workingDirectory_;
    QLabel* label1_;
    QLineEdit* edit1_;
    StringGrid* stringGrid1_;
    QMenu* popupMenu1_;
    QAction* n1_;
    QAction* n2_;
    std::string nameLoaded_;   // code page 1251
    std::string nameCurrent_;  // code page 1251, follows every change of the name field

private:
    void Edit1Change();
};

// The name of a name line (columns 13-80) as the editors show it.
std::string NameOfKeptLine(const std::string& nameLine, bool blankBoxDrawing);

}  // namespace vakrel
