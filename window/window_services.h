#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>

class QWidget;

namespace scrivafresa {

// The save dialog's fixed settings and what it remembers from the last confirmed save.
struct SaveDialogSettings {
    QString title;
    QStringList nameFilters;
    QString defaultSuffix;
    QString fileName;            // full path of the last confirmed save, offered again
    QString selectedNameFilter;  // filter of the last confirmed save
};

// The font the font dialog opens on.
struct FontDialogSettings {
    QFont font;
};

// What the window asks of the desktop: the two modal dialogs, the error box and the splash's
// wait. Tests put their own in place so that nothing waits for a person.
struct WindowServices {
    // Opens the font dialog on `current`; the confirmed font, or nothing.
    std::function<std::optional<QFont>(QWidget* parent, const QFont& current)> chooseFont;
    // Opens the save dialog; on confirmation stores the chosen full path and filter in
    // `dialog` and returns true.
    std::function<bool(QWidget* parent, SaveDialogSettings& dialog)> chooseSavePath;
    // The error box: stop icon, OK button, the application's title as caption.
    std::function<void(QWidget* parent, const QString& message)> showError;
    // Blocks while the splash is on the screen, processing no events.
    std::function<void(std::chrono::milliseconds)> holdSplash;
};

inline constexpr std::chrono::milliseconds kSplashTime{5000};

WindowServices DesktopServices();

// The error box's text: the message and a full stop.
QString ErrorBoxText(const QString& message);

}  // namespace scrivafresa
