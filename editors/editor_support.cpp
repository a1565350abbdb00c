#include "editor_support.h"

#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>
#include <filesystem>
#include <system_error>

#include "codepage.h"
#include "io_error.h"

namespace vakrel {

void MakeFixedEditorWindow(QDialog& window, int clientWidth, int clientHeight) {
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint);
    window.setFixedSize(clientWidth, clientHeight);
}

void CenterOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    window.move(screen->availableGeometry().center() - window.rect().center());
}

int ExecOver(QDialog& window, QWidget& owner) {
    window.winId();  // makes the native window, whose transient parent can then be set
    if (QWindow* handle = window.windowHandle()) handle->setTransientParent(owner.window()->windowHandle());
    return window.exec();
}

QString ToQtFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        if (!description.endsWith(QLatin1Char(')'))) description += QStringLiteral(" (%1)").arg(pattern);
        entries << description;
    }
    return entries.join(QStringLiteral(";;"));
}

FileDialogRequest DataFileDialog(bool save, const QString& title, const QString& filterPairs,
                                 const QString& initialName) {
    FileDialogRequest request;
    request.save = save;
    request.title = title;
    request.filter = ToQtFilter(filterPairs);
    request.defaultSuffix = QStringLiteral("idn");
    request.initialName = initialName;
    return request;
}

void ShowName(QLineEdit& field, std::string_view nameWin) {
    field.setText(QString::fromStdString(Cp1251ToUtf8(nameWin)));
}

std::string TakeName(QLineEdit& field) {
    const QString typed = field.text();
    std::string name = Utf8ToCp1251(typed.toStdString());
    const QString shown = QString::fromStdString(Cp1251ToUtf8(name));
    if (shown != typed) {
        const qsizetype caret = field.cursorPosition() - (typed.size() - shown.size());
        field.setText(shown);
        field.setCursorPosition(static_cast<int>(std::clamp<qsizetype>(caret, 0, shown.size())));
    }
    return name;
}

}  // namespace vakrel
