#pragma once
// The code reference windows: a DOS text file (code page 866) shown line by line in a
// fixed-pitch text box, read afresh each time the window is shown.

#include <QDialog>
#include <QString>
#include <map>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace vakrel {

class UserSeam;

// The longest line the reference windows show, in characters.
inline constexpr std::size_t kReferenceLineWidth = 76;

// The lines of a reference text in code page 1251: each line's first 255 characters through
// DosToWin (no already-Windows test, box-drawing characters blanked), cut to 76 characters.
// Throws IoError, with kTooManyLinesMessage for a text of more than kMaxShownLines lines.
std::vector<std::string> ReadCodeReference(const std::string& path);

// The names the object codes' reference text (prf.tip) gives its codes, code page 1251: a line
// that starts, after blanks, with a code 0-255 and a blank names that code with the words after
// it, up to the first two blanks in a row (the colour column follows).
std::map<int, std::string> ObjectCodeNames(const std::vector<std::string>& lines);

// The names that the working folder's prf.tip gives the object codes (ObjectCodeNames), as the
// windows show them; none when the file cannot be read, and the codes are then shown by number.
std::map<int, QString> ReadObjectCodeNames(const std::string& workingDirectory);

class CodeReferenceWindow : public QDialog {
    Q_OBJECT
public:
    void done(int result) override;

protected:
    // `fileName` is looked up in the current directory at each showing.
    // Shows `fileName` of the working folder `workingDirectory` (the model's, which lives for the
    // whole run), whatever folder a file dialog made current.
    CodeReferenceWindow(const QString& objectName, const QString& caption, std::string fileName,
                        const std::string& workingDirectory, UserSeam& seam);

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormActivate();

    std::string fileName_;
    const std::string& workingDirectory_;
    UserSeam& seam_;
    QPlainTextEdit* memo1_;
};

}  // namespace vakrel
