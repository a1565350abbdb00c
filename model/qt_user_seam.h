#pragma once
// The seam as the user meets it: Qt message boxes, file dialogs and child processes.

#include "user_seam.h"

namespace vakrel {

// The narrowest error box: wide enough for the caption "VAKREL" beside the window's buttons.
inline constexpr int kMinimumErrorBoxWidth = 260;

class QtUserSeam final : public UserSeam {
public:
    bool Confirm(QWidget* parent, const QString& text) override;
    bool Warn(QWidget* parent, const QString& text) override;
    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
    int Choose(QWidget* parent, const QString& caption, const QString& text, const QStringList& choices) override;
    std::unique_ptr<StartedProgram> StartProgram(const QString& program, const QStringList& arguments,
                                                 const QString& workingDirectory) override;

protected:
    std::optional<QString> AskFile(QWidget* parent, const FileDialogRequest& request) override;
};

}  // namespace vakrel
